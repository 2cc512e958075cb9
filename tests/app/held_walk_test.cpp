// The walk on a held key: off, the world's input is the held input exactly, frame for frame; on,
// a held direction steps every N frames, a new one at once, and the world really walks.
#include "app/held_walk.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "tests/app/play_test_support.h"
#include "tests/world/world_test_support.h"
#include "world/game_step.h"

namespace app {
namespace {

world::FrameInput Held(bool up, bool down, bool left, bool right) {
    world::FrameInput in;
    in.Up = up;
    in.Down = down;
    in.Left = left;
    in.Right = right;
    return in;
}

// The frames (of `frames`) on which the walk shows the world a direction, and which.
std::vector<std::pair<int, world::FrameInput>> Steps(const std::vector<world::FrameInput>& frames,
                                                     WalkSetting setting) {
    WalkState state;
    std::vector<std::pair<int, world::FrameInput>> steps;
    for (int f = 0; f < static_cast<int>(frames.size()); ++f) {
        const world::FrameInput out = WalkInput(frames[f], state, setting);
        if (out.Up || out.Down || out.Left || out.Right) steps.emplace_back(f, out);
    }
    return steps;
}

TEST(HeldWalk, OffTheWorldGetsExactlyTheHeldInput) {
    std::mt19937 rng(16);
    WalkState state;
    for (int f = 0; f < 20000; ++f) {
        const unsigned bits = rng() & 0x7F;
        world::FrameInput in = Held(bits & 1, bits & 2, bits & 4, bits & 8);
        in.GiveUp = bits & 16;
        in.PlaceTnt = bits & 32;
        in.Respawn = bits & 64;
        ASSERT_EQ(WalkInput(in, state, WalkSetting{}), in) << "frame " << f;
    }
}

TEST(HeldWalk, AHeldDirectionStepsEveryNFramesAndANewOneAtOnce) {
    const world::FrameInput right = Held(false, false, false, true);
    std::vector<world::FrameInput> frames(20, right);
    auto steps = Steps(frames, {true, 8});
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].first, 0);
    EXPECT_EQ(steps[1].first, 8);
    EXPECT_EQ(steps[2].first, 16);
    EXPECT_EQ(steps[1].second, right);

    // Right held, Up pressed on frame 3 while Right stays: Up steps on frame 3 and repeats.
    for (int f = 3; f < 20; ++f) frames[f] = Held(true, false, false, true);
    steps = Steps(frames, {true, 5});
    ASSERT_GE(steps.size(), 4u);
    EXPECT_EQ(steps[1].first, 3);
    EXPECT_EQ(steps[1].second, Held(true, false, false, false));  // one direction at a time
    EXPECT_EQ(steps[2].first, 8);
    // Pressed on the frame right after a step: the world still sees that one, so one frame on.
    frames.assign(10, right);
    frames[1] = Held(false, true, false, true);
    steps = Steps(frames, {true, 8});
    ASSERT_GE(steps.size(), 2u);
    EXPECT_EQ(steps[1].first, 2);
    // Let go and pressed again: a press, at once.
    frames = {right, {}, right};
    EXPECT_EQ(Steps(frames, {true, 8}).size(), 2u);
}

TEST(HeldWalk, TheWorldWalksOnAHeldKeyOnlyWhenTheWalkIsOn) {
    world::test::TempLevels levels;
    levels.Write(1, test::FramedLevel(10, 10));
    for (const bool on : {false, true}) {
        world::GameState game;
        game.LevelNumber = 1;
        ASSERT_FALSE(world::LoadLevel(game, levels.Folder()));
        world::FindStart(game);
        WalkState state;
        const world::FrameInput right = Held(false, false, false, true);
        for (int f = 0; f < 17; ++f)
            world::GameStep(game, WalkInput(right, state, {on, 8}), levels.Folder());
        EXPECT_EQ(game.Player.X, on ? 13 : 11) << (on ? "on" : "off");
    }
}

}  // namespace
}  // namespace app
