// Playing a demo headless through the same session the game drives, frame for frame as it was
// recorded, and reporting how it ended with the same outcome, digests and trace as a replay
// script's run. Calling thread.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "demo/demo.h"
#include "tools/replay/harness.h"

namespace replay {

struct DemoRunOptions {
    std::filesystem::path Levels = "lvl";  // the folder of the level files
    bool KeepDigests = false;              // keep every frame's digest (Outcome::FrameDigests)
    // Digest every frame into the outcome's trace; without, only the end is digested, and the
    // replay runs about five times faster (hashing the map each frame is most of its time).
    bool Trace = true;
    // A level file played as the demo's level on its own (a level made outside the campaign,
    // proven by its demo); Levels is then unused, and no other level can be entered.
    std::optional<std::filesystem::path> LevelFile = std::nullopt;
};

// Plays the demo. Frames after a finished level that the demo does not go on from ("next"), and
// a "next" with no level finished, are reported in the outcome's problems, not played.
Outcome RunDemo(const demo::Demo& demo, const DemoRunOptions& options = {});

// The demo a script's run makes, as the game would have recorded it; nothing when the script's
// first level cannot be read.
std::optional<demo::Demo> DemoOfScript(const Script& script, const RunOptions& options = {});

// Level N's proven solution as a demo: the script levels/solutions/LevelN.txt (from the working
// folder) played, or else the demo LevelN.demo there; nothing and one message when it is missing,
// does not parse, starts on another level or its level cannot be read.
std::optional<demo::Demo> SolutionDemo(std::int32_t level, std::string* error);

// Reads and checks a demo file; nothing and one message when it cannot be played.
std::optional<demo::Demo> LoadDemo(const std::string& path, std::string* error);

}  // namespace replay
