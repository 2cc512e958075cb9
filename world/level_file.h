// Level files and the operations that put a level into a game state: reading the file into the
// map, finding the start stair and restarting. Any thread; the caller's game state only.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "world/frame.h"
#include "world/game_state.h"

namespace world {

// "lvl\Level" + n + ".dat": a level's file as messages name it; any 64-bit n.
std::string LevelPath(std::int64_t levelNumber);

// Reads the first 4096 numbers of a level file into the map, column by column: a short file
// leaves Earth, extra numbers are ignored, every number keeps its low 8 bits. Nothing when the
// file cannot be opened or read.
std::optional<LevelMap> ReadLevelFile(const std::filesystem::path& path);

// The same reading rules over text already in memory (tests, tools).
LevelMap ParseLevelText(std::string_view text);

// The files that travel with a level file made outside lvl/, beside it under the same name: its
// readable source ("castle.dat" -> "castle.txt") and the demo that proves it can be finished
// ("castle.demo"). A level file already named like one of them keeps its whole name and gains the
// extension ("notes.txt" -> "notes.txt.txt"), so the three never coincide.
std::filesystem::path SourceBeside(const std::filesystem::path& levelFile);
std::filesystem::path DemoBeside(const std::filesystem::path& levelFile);

// The folder the numbered level files are read from: "lvl" of the working directory for the
// game; a folder of their own for tests and tools.
class LevelFolder {
  public:
    explicit LevelFolder(std::filesystem::path folder = "lvl") : folder_(std::move(folder)) {}
    // One level file played on its own as level `levelNumber` (a level made outside lvl/, an
    // edit being tried): every other number names no file.
    static LevelFolder OneFile(std::filesystem::path file, std::int64_t levelNumber = 1);

    std::filesystem::path FileOf(std::int64_t levelNumber) const;
    // The file as messages name it: "lvl\Level7.dat" for the game's own folder.
    std::string NameOf(std::int64_t levelNumber) const;
    std::optional<LevelMap> Read(std::int64_t levelNumber) const;

  private:
    std::filesystem::path folder_;
    std::optional<std::int64_t> only_;  // OneFile: the one number, and folder_ is the file
};

// Reads the level file of LevelNumber into Map and recounts Needed; nothing else changes. An
// error, and the game state untouched, for a file that cannot be opened or read.
std::optional<LevelError> LoadLevel(GameState& game, const LevelFolder& levels);

// Puts the player on the level's start stair: the last StairUp in column-major order, or (1, 1).
void FindStart(GameState& game);

// LoadLevel and FindStart, then clears Dead, Collected, the pickaxe, the TNT charge, Dug and the
// flames. Timers, sound counters, the key latch and the pose carry over.
std::optional<LevelError> RestartLevel(GameState& game, const LevelFolder& levels);

}  // namespace world
