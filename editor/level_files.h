// Opening and saving a level made in the editor: the level file P the game reads, its source
// world::SourceBeside(P) (title, notes and a picture of the map) and its proof
// world::DemoBeside(P) (a demo that finishes it). Called on the main thread when the player opens
// or saves; touches nothing but those three files.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "demo/demo.h"
#include "world/level_source.h"

namespace editor {

struct OpenedLevel {
    world::LevelSource Source;        // the map as the game reads P; title and notes from the
                                      // source beside it when that parses, else title = P's stem
    std::optional<demo::Demo> Proof;  // the demo beside P when it parses (not yet replayed: the
                                      // caller checks that it finishes this map)
    std::string Note;                 // remarks for the player, one a line, or empty
};

// Nothing and a message ("cannot read /x/y.dat: No such file or directory") when P cannot be
// read. A source or demo beside it that cannot be used is a remark in Note, never a failure.
std::optional<OpenedLevel> OpenLevel(const std::filesystem::path& levelFile, std::string* error);

// Writes P (world::LevelFileText), then settles the proof beside it (written when given, else a
// demo left there for another map is removed), then the source beside it, each whole or not at
// all. The proof comes straight after P so that no failure on the way leaves P beside a demo made
// for another map. An empty title is saved as P's stem; line breaks in the title and notes become
// spaces, since the source keeps each on one line. False and one message naming the file and the
// reason when any step fails; the files already written stay written.
bool SaveLevel(const std::filesystem::path& levelFile, const world::LevelSource& source,
               const demo::Demo* proof, std::string* error);

}  // namespace editor
