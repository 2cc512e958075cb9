// The checks every shipped level passes: its source compiles to the level file in the tree, the
// rules of a playable level hold (one start stair, an exit, a unique title) and its solution
// script names it. Reads the three folders; any thread.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace levels {

struct LevelFolders {
    std::filesystem::path Sources = "levels";              // LevelN.txt
    std::filesystem::path LevelFiles = "lvl";              // LevelN.dat
    std::filesystem::path Solutions = "levels/solutions";  // LevelN.txt
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

}  // namespace levels
