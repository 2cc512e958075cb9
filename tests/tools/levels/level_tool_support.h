// Scratch folders of level sources, level files and solutions for the level tool's tests.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "tools/levels/level_checks.h"
#include "tools/levels/level_files.h"

namespace levels::test {

// A fresh folder holding levels/, levels/solutions/ and lvl/, removed with everything in it.
class ScratchLevels {
  public:
    ScratchLevels() {
        static int serial = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("level-tool-test-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(root_ / "levels" / "solutions");
        std::filesystem::create_directories(root_ / "lvl");
    }
    ~ScratchLevels() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    ScratchLevels(const ScratchLevels&) = delete;
    ScratchLevels& operator=(const ScratchLevels&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    LevelFolders Folders() const {
        return {root_ / "levels", root_ / "lvl", root_ / "levels" / "solutions"};
    }
    std::filesystem::path Source(int n) const { return Numbered("levels", n, ".txt"); }
    std::filesystem::path LevelFile(int n) const { return Numbered("lvl", n, ".dat"); }
    std::filesystem::path Solution(int n) const { return Numbered("levels/solutions", n, ".txt"); }
    void Write(const std::filesystem::path& path, std::string_view text) const {
        WriteTextFile(path, text);
    }

  private:
    std::filesystem::path Numbered(const char* folder, int n, const char* extension) const {
        return root_ / folder / ("Level" + std::to_string(n) + extension);
    }

    std::filesystem::path root_;
};

}  // namespace levels::test
