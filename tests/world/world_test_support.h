// Test support for the world: a game state on a memory screen whose map is drawn as a text
// picture, held keys frame by frame, and every sound the world plays recorded in order.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/flags.h"
#include "app/sound.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"
#include "tests/gui/widget_test_support.h"
#include "tools/replay/map_picture.h"
#include "world/game_step.h"
#include "world/level_file.h"

namespace world::test {

namespace pt = presentation::testing;
namespace scan = presentation::scan;

// Level numbers of this process's own (k = 0..7), so that test processes running side by side
// never read or miss one another's level files.
inline std::int32_t OwnLevelNumber(int k) {
    return 10'000'000 + static_cast<std::int32_t>(getpid() % 1'000'000) * 8 + k;
}

class WorldTest : public gui::test::WidgetTest {
  protected:
    WorldTest() {
        app::ResetFlags();
        previousSound_ = app::SetSoundCalls(
            {nullptr, [this](std::string_view alias) { sounds_.emplace_back(alias); }, nullptr});
        game_ = InitGame();
    }
    ~WorldTest() override {
        app::SetSoundCalls(previousSound_);
        app::ResetFlags();
    }

    // The picture (legend in map_picture.h) from the top-left corner; the rest is massive wall.
    // The player starts on the stair, or at (1, 1) without one; Needed is counted as a load does.
    void Load(std::string_view picture) {
        std::string error;
        auto map = replay::MapFromPicture(picture, Massive, &error);
        ASSERT_TRUE(map) << error;
        game_->Map = *map;
        game_->Needed() = 0;
        for (Cell c : game_->Map.Cells) game_->Needed() += CountsAsNeeded(c) ? 1 : 0;
        FindStart(*game_);
    }

    // Frames with exactly these keys held.
    void Hold(std::initializer_list<int> keys, int frames = 1) {
        for (int f = 0; f < frames; ++f) {
            pt::ReleaseAllKeys();
            for (int key : keys) pt::PressKey(key);
            GameStep(*game_);
        }
        pt::ReleaseAllKeys();
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
    std::vector<std::string> sounds_;
    app::SoundCalls previousSound_;
};

}  // namespace world::test
