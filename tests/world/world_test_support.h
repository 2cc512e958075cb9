// Test support for the world: a game state whose map is drawn as a text picture, the world's keys
// held frame by frame, level files in a folder of the test's own, and every sound a frame makes
// played through the sound bank's rules and recorded in order. No screen is involved.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/flags.h"
#include "app/sound.h"
#include "app/sound_bank.h"
#include "world/falling.h"
#include "world/game_step.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace world::test {

// The keys the world reads, named as the keyboard's.
namespace scan {
enum Key : int { W, A, S, D, Up, Down, Left, Right, Enter, Space };
}

inline FrameInput InputOf(std::initializer_list<int> keys) {
    FrameInput in;
    for (int key : keys) {
        in.Up = in.Up || key == scan::W || key == scan::Up;
        in.Down = in.Down || key == scan::S || key == scan::Down;
        in.Left = in.Left || key == scan::A || key == scan::Left;
        in.Right = in.Right || key == scan::D || key == scan::Right;
        in.GiveUp = in.GiveUp || key == scan::Enter;
        in.PlaceTnt = in.PlaceTnt || key == scan::Space;
    }
    return in;
}

// A folder of level files that lives as long as the test.
class TempLevels {
  public:
    TempLevels() {
        static int serial = 0;
        dir_ = std::filesystem::temp_directory_path() /
               ("world_levels_" + std::to_string(::getpid()) + "_" + std::to_string(++serial));
        std::filesystem::create_directories(dir_);
    }
    ~TempLevels() { std::filesystem::remove_all(dir_); }
    TempLevels(const TempLevels&) = delete;
    TempLevels& operator=(const TempLevels&) = delete;

    const std::filesystem::path& Dir() const { return dir_; }
    LevelFolder Folder() const { return LevelFolder(dir_); }
    void Write(std::int64_t number, const std::string& text) const {
        std::ofstream(Folder().FileOf(number), std::ios::binary) << text;
    }
    void Write(std::int64_t number, const LevelMap& map) const {
        Write(number, world::LevelFileText(map));
    }

  private:
    std::filesystem::path dir_;
};

class WorldTest : public ::testing::Test {
  protected:
    WorldTest() : game_(std::make_unique<GameState>()), levels_(temp_.Folder()) {
        app::ResetFlags();
        previousSound_ = app::SetSoundCalls(
            {nullptr, [this](std::string_view alias) { sounds_.emplace_back(alias); }, nullptr});
    }
    ~WorldTest() override {
        app::SetSoundCalls(previousSound_);
        app::ResetFlags();
    }

    // The picture (legend in map_picture.h) from the top-left corner; the rest is massive wall.
    // The player starts on the stair, or at (1, 1) without one; Needed is counted as a load does.
    void Load(std::string_view picture) {
        std::string error;
        auto map = world::MapFromPicture(picture, Massive, &error);
        ASSERT_TRUE(map) << error;
        game_->Map = *map;
        game_->Needed = CountNeeded(game_->Map);
        FindStart(*game_);
    }

    // One frame with this input; its sounds go through the sound bank as the game plays them.
    FrameEvents Step(const FrameInput& input) {
        FrameEvents events = GameStep(*game_, input, levels_);
        app::PlayWorldSounds(events.Sounds);
        return events;
    }

    // One turn of column x, its sounds played.
    void Column(int x) {
        FrameEvents events;
        UpdateColumn(*game_, x, events);
        app::PlayWorldSounds(events.Sounds);
    }

    // Frames with exactly these keys held.
    void Hold(std::initializer_list<int> keys, int frames = 1) {
        for (int f = 0; f < frames; ++f) Step(InputOf(keys));
    }
    void Wait(int frames) { Hold({}, frames); }
    // One step: a frame with the key held, then one with nothing held.
    void Walk(int key) {
        Hold({key});
        Wait(1);
    }

    Cell At(int x, int y) const { return game_->Map.At(x, y); }
    Player& P() { return game_->Player; }
    int Played(std::string_view alias) const {
        int n = 0;
        for (const std::string& s : sounds_) n += s == alias;
        return n;
    }

    std::unique_ptr<GameState> game_;
    TempLevels temp_;
    LevelFolder levels_;
    std::vector<std::string> sounds_;
    app::SoundCalls previousSound_;
};

}  // namespace world::test
