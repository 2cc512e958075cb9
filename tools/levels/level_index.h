// The level index (docs/levels.md): for every level its number, title, code, notes, crystal
// counts, the size of its cave, how long its solution plays and its picture. Game thread: the
// solutions are played through the replay harness, which reads res/ and lvl/ from the working
// folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/levels/level_checks.h"

namespace levels {

struct IndexEntry {
    std::int32_t Number = 0;
    std::string Title;  // empty when the level has no source
    std::string Notes;
    std::string Code;         // the menu's code; empty for the epilogue
    std::int32_t Needed = 0;  // ordinary crystals, which open the exit
    std::int32_t Bonus = 0;   // bonus crystals
    std::int32_t Width = 0;   // cells the cave takes, its walls included
    std::int32_t Height = 0;
    bool HasSolution = false;
    std::optional<std::int64_t> SolutionFrames;  // when the solution finishes the level
};

// One entry per level file, in level order.
std::vector<IndexEntry> CollectIndex(const LevelFolders& folders);

// The index in Markdown: a short guide to playing and editing levels, then one section per
// entry with its picture at <picturesFolder>/LevelN.png (relative to the index).
std::string IndexText(const std::vector<IndexEntry>& entries, const std::string& picturesFolder);

}  // namespace levels
