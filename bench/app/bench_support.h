// Benchmark support (header-only): a private working directory holding the resource tree (linked)
// and level files written by the benchmark, so the game's real loaders run on real pictures.
// Runs on the benchmark's thread.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "world/level_map.h"

namespace app::bench {

namespace fs = std::filesystem;

// Makes a fresh directory with res/ linked from the repository and an empty lvl/, and enters it;
// leaves and removes it again when destroyed.
class PlayDirectory {
  public:
    PlayDirectory() {
        const fs::path root = fs::path(__FILE__).parent_path().parent_path().parent_path();
        dir_ = fs::temp_directory_path() / ("game_bench_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "lvl");
        fs::create_directory_symlink(root / "res", dir_ / "res");
        previous_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~PlayDirectory() {
        fs::current_path(previous_);
        fs::remove_all(dir_);
    }
    PlayDirectory(const PlayDirectory&) = delete;
    PlayDirectory& operator=(const PlayDirectory&) = delete;

    // lvl/Level<n>.dat, one column per line.
    static void WriteLevel(int n, const world::LevelMap& map) {
        std::ofstream out("lvl/Level" + std::to_string(n) + ".dat");
        for (int x = 0; x < world::MapSize; ++x) {
            for (int y = 0; y < world::MapSize; ++y)
                out << (y ? "," : "") << world::CodeOf(map.At(x, y));
            out << "\n";
        }
    }

  private:
    fs::path dir_;
    fs::path previous_;
};

}  // namespace app::bench
