// Proofs that a level can be finished: a demo replayed headless to the level-complete dialog.
// Checks a level made outside the campaign (a level file with its source and its demo beside it)
// and judges the demos among the shipped solutions. Calling thread: a replay borrows the
// program's flags and sound calls for its length.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "demo/demo.h"
#include "tools/replay/demo_run.h"

namespace levels {

// Why the demo, replayed with these options, does not prove that level `level` can be finished
// ("does not reach the exit in 40 frames"); nothing when it finishes it.
std::optional<std::string> WhyNotProven(const demo::Demo& demo, std::int32_t level,
                                        replay::DemoRunOptions options,
                                        std::int64_t* frames = nullptr);

struct LevelFileCheck {
    std::vector<std::string> Failures;  // each names the file it is about
    std::int64_t Frames = 0;            // the frames the demo took to finish, when proven
};

// Every check of a level file made outside lvl/: it reads, its source beside it
// (world::SourceBeside) compiles to the same map, its stairs make a playable level, and its demo
// beside it (world::DemoBeside) replays to the finished level with the file as the demo's level.
LevelFileCheck CheckLevelFile(const std::filesystem::path& levelFile);

}  // namespace levels
