// The recorded runs of the shipped levels: every solution under the standard trials, and the
// campaign of all solutions played one after another. Their traces are committed, so any change
// to the world that alters a frame of them shows. Calling thread; reads levels/solutions/.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tools/replay/harness.h"

namespace replay {

// Solutions 1..last as one script starting on level 1, "nextlvl" between two levels; nothing,
// and the missing numbers in `missing`, while a solution is missing or does not parse.
std::optional<Script> CampaignScript(const std::filesystem::path& solutions, int last,
                                     std::string& missing);

struct NamedRun {
    std::string Name;  // "Level7/seed2/phase7", "campaign/seed4"
    Script Played;
    RunOptions Options;
};

// Every solution file under the standard trials, in the order of their level numbers, then the
// campaign under seeds 1 and 4 (when every solution up to `last` is there).
std::vector<NamedRun> ShippedRuns(const std::filesystem::path& solutions, int last);

}  // namespace replay
