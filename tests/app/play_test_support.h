// Test support for the shell's screens (header-only): a 1024 x 768 memory screen, a private
// working directory holding the resource tree (linked) and the test's own level files, sounds
// recorded instead of played, and the fatal report's second instance recorded instead of
// started. Game thread only.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/flags.h"
#include "app/report_error.h"
#include "app/shell.h"
#include "app/sound.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"
#include "world/level_map.h"

namespace app::test {

namespace fs = std::filesystem;
namespace pt = presentation::testing;

// The repository root, which holds res/: three folders above this file.
inline fs::path RepoRoot() {
    return fs::path(__FILE__).parent_path().parent_path().parent_path();
}

// A level with a massive frame, earth inside and the start stair at (x, y).
inline world::LevelMap FramedLevel(int x = 10, int y = 10) {
    world::LevelMap map;
    for (int i = 0; i < world::MapSize; ++i)
        for (int j = 0; j < world::MapSize; ++j)
            map.At(i, j) = (i == 0 || j == 0 || i == 63 || j == 63) ? world::Massive : world::Earth;
    map.At(x, y) = world::StairUp;
    return map;
}

class PlayTest : public ::testing::Test {
  protected:
    PlayTest() {
        pt::OpenMemoryScreen(1024, 768);
        ResetFlags();
        previousSound_ = SetSoundCalls(
            {[](std::string_view, std::string_view) {},
             [this](std::string_view alias) { sounds_.push_back("play " + std::string(alias)); },
             [this](std::string_view alias) { sounds_.push_back("stop " + std::string(alias)); }});
        previousRunner_ = SetErrorWindowRunner(
            [this](const std::vector<std::string>& arguments) { reports_.push_back(arguments); });
        static int serial = 0;
        dir_ = fs::temp_directory_path() /
               ("game_play_test_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        fs::create_directories(dir_ / "lvl");
        fs::create_directory_symlink(RepoRoot() / "res", dir_ / "res");
        previousDir_ = fs::current_path();
        fs::current_path(dir_);
    }
    ~PlayTest() override {
        fs::current_path(previousDir_);
        fs::remove_all(dir_);  // the link to res/, not what it points at
        SetErrorWindowRunner(previousRunner_);
        SetSoundCalls(previousSound_);
        ResetFlags();
        presentation::CloseScreen();
    }

    // lvl/Level<n>.dat in column order, one column per line.
    static void WriteLevel(int n, const world::LevelMap& map) {
        std::ofstream out("lvl/Level" + std::to_string(n) + ".dat");
        for (int x = 0; x < world::MapSize; ++x) {
            for (int y = 0; y < world::MapSize; ++y)
                out << (y ? "," : "") << world::CodeOf(map.At(x, y));
            out << "\n";
        }
    }

    static presentation::Pixel At(int x, int y) { return pt::ScreenPixel(x, y) & 0xFFFFFF; }

    // The game's shell over lvl/ of the test's folder, on the menu as start-up leaves it.
    static std::unique_ptr<Shell> NewShell() {
        return std::make_unique<Shell>(world::LevelFolder("lvl"), 1.0);
    }
    // Frames of the shell with these keys held.
    static void Frames(Shell& shell, std::initializer_list<int> keys, int n = 1) {
        for (int f = 0; f < n; ++f) {
            pt::ReleaseAllKeys();
            for (int key : keys) pt::PressKey(key);
            shell.Frame();
        }
        pt::ReleaseAllKeys();
    }

    std::vector<std::string> sounds_;                // "play <alias>" / "stop <alias>"
    std::vector<std::vector<std::string>> reports_;  // arguments of each second instance
    fs::path dir_;

  private:
    fs::path previousDir_;
    SoundCalls previousSound_;
    ErrorWindowRunner previousRunner_;
};

}  // namespace app::test
