// The checks every shipped level passes: its source compiles to the level file in the tree, the
// rules of a playable level hold (one start stair, an exit, a unique title) and its solution
// script names it, or its solution demo is replayed to the finished level. Reads the three
// folders; calling thread (a demo's replay borrows the program's flags).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "world/level_map.h"

namespace levels {

struct LevelFolders {
    std::filesystem::path Sources = "levels";              // LevelN.txt
    std::filesystem::path LevelFiles = "lvl";              // LevelN.dat
    std::filesystem::path Solutions = "levels/solutions";  // LevelN.txt, LevelN.demo
};

struct CheckFailure {
    // A level file without a source is told apart: the levels that came before the tool have
    // none until someone writes it, and a test may want to say so on its own.
    bool MissingSource = false;
    std::string Message;  // names the file
};

// Every failure (level files, then sources, then solutions, each in level order); none when all
// is well.
std::vector<CheckFailure> CheckLevels(const LevelFolders& folders);

// What keeps a map from being a playable level, in the checks' words: not exactly one start
// stair, or no exit when it must be finished (every level but the epilogue).
std::vector<std::string> StairProblems(const world::LevelMap& map, bool needsExit);

}  // namespace levels
