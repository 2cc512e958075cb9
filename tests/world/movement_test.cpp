// The player's moves: one step per key press through the key latch, the key priorities, refused
// steps that still turn the player, pushing stones, the map's edges and giving up with Enter.
#include <limits>
#include <tuple>
#include <utility>

#include "tests/world/world_test_support.h"

namespace world::test {
namespace {

using MovementTest = WorldTest;

TEST_F(MovementTest, HoldingAKeyStepsOnceAndReleasingOpensTheLatch) {
    Load(R"(
#######
#^    #
#######)");
    Hold({scan::Right}, 60);  // a second
    EXPECT_EQ(P().X, 2);
    EXPECT_EQ(P().KeyLatch, 1);
    Hold({scan::D}, 5);  // another movement key alone does not reopen it either
    EXPECT_EQ(P().X, 2);
    Wait(1);
    EXPECT_EQ(P().KeyLatch, 0);
    Hold({scan::D}, 2);
    EXPECT_EQ(P().X, 3);
    EXPECT_EQ(P().Facing, Facing::Right);
    EXPECT_EQ(P().StepTimer, 4);  // 5 after the step, then one frame held
}

TEST_F(MovementTest, RightBeatsLeftBeatsDownBeatsUp) {
    Load(R"(
#####
#   #
# ^ #
#   #
#####)");
    Hold({scan::Left, scan::Right});
    EXPECT_EQ(P().X, 3);
    Wait(1);
    Hold({scan::Up, scan::S, scan::A});
    EXPECT_EQ(P().X, 2);
    EXPECT_EQ(P().Y, 2);
    Wait(1);
    Hold({scan::W, scan::Down});
    EXPECT_EQ(P().Y, 3);
    Wait(1);
    Hold({scan::W});
    EXPECT_EQ(P().Y, 2);
    EXPECT_EQ(P().Facing, Facing::Up);
}

TEST_F(MovementTest, RefusedStepsStillTurnAndStartThePose) {
    Load(R"(
#####
#o^=#
#####)");
    Hold({scan::Left});  // a stone with the wall beyond it
    EXPECT_EQ(P().X, 2);
    EXPECT_EQ(P().Facing, Facing::Left);
    EXPECT_EQ(P().StepTimer, 5);
    EXPECT_EQ(At(1, 1), Stone);
    Wait(1);
    Walk(scan::Right);  // a block without the pickaxe
    EXPECT_EQ(P().X, 2);
    EXPECT_EQ(P().Facing, Facing::Right);
    Walk(scan::Up);  // massive wall
    EXPECT_EQ(P().Y, 1);
    EXPECT_EQ(P().Facing, Facing::Up);
    P().HasPickaxe = 1;
    Walk(scan::Right);  // the pickaxe opens blocks
    EXPECT_EQ(P().X, 3);
    EXPECT_EQ(At(3, 1), Empty);
}

TEST_F(MovementTest, StonesArePushedOneCellSidewaysIntoEmptyCellsOnly) {
    Load(R"(
########
#. o^o #
#.oo o.#
#......#
########)");
    Walk(scan::Right);
    EXPECT_EQ(P().X, 5);
    EXPECT_EQ(At(6, 1), Stone);
    EXPECT_EQ(sounds_, std::vector<std::string>{"rollstone0"});
    EXPECT_EQ(P().PushSoundNo, 1);
    Walk(scan::Right);  // the wall behind the pushed stone
    EXPECT_EQ(P().X, 5);
    Walk(scan::Left);
    Walk(scan::Left);  // the stone at (3, 1) goes on into the empty cell
    EXPECT_EQ(P().X, 3);
    EXPECT_EQ(At(2, 1), Stone);
    Walk(scan::Left);  // earth beyond: stays
    EXPECT_EQ(P().X, 3);
    Walk(scan::Down);  // no vertical push: a stone below refuses
    EXPECT_EQ(P().Y, 1);
}

TEST_F(MovementTest, StepsOutOfTheMapAreClampedAtEveryEdge) {
    // Earth everywhere but the corners: a step that wrongly left the map would dig or push.
    for (auto [x, y] : {std::pair{0, 0}, {63, 63}}) game_->Map.At(x, y) = Empty;
    for (auto [x, y, key] : {std::tuple{0, 0, scan::Left},
                             {0, 0, scan::Up},
                             {63, 63, scan::Right},
                             {63, 63, scan::Down}}) {
        P().X = x, P().Y = y;
        Walk(key);
        EXPECT_EQ(P().X, x);
        EXPECT_EQ(P().Y, y);
    }
    EXPECT_EQ(P().Facing, Facing::Down);
    EXPECT_EQ(game_->Dug, 0);
    EXPECT_TRUE(sounds_.empty());
}

TEST_F(MovementTest, ThePoseCountRunsOnBelowZeroButDoesNotWrap) {
    Load("#^ #");
    Wait(3);
    EXPECT_EQ(P().StepTimer, -3);
    P().StepTimer = std::numeric_limits<std::int32_t>::min();  // after about a year of play
    Wait(1);
    EXPECT_EQ(P().StepTimer, std::numeric_limits<std::int32_t>::min());
}

TEST_F(MovementTest, EnterGivesUpSilentlyAndOnlyWhileTheLatchIsOpen) {
    Load(R"(
######
#^   #
######)");
    Hold({scan::Right});
    Hold({scan::Right, scan::Enter}, 3);  // the movement key still held from the step
    EXPECT_EQ(P().Dead, 0);
    Hold({scan::Enter});  // the latch opens only at the end of this frame
    EXPECT_EQ(P().Dead, 0);
    Hold({scan::Enter});
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(Played("dead"), 0);

    P().Dead = 0;
    Hold({scan::Enter, scan::Right});  // the step is still taken
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(P().X, 3);
    Hold({scan::Right}, 3);  // a dead player does not move
    EXPECT_EQ(P().X, 3);
}

TEST_F(MovementTest, TheRespawnPressRestartsTheLevelOnlyWhileDead) {
    Load("#^ #");
    temp_.Write(3, game_->Map);
    game_->LevelNumber = 3;
    FrameInput press;
    press.Respawn = true;
    Walk(scan::Right);
    EXPECT_FALSE(Step(press).Restarted);  // alive: there is no button to press
    EXPECT_EQ(P().X, 2);
    P().Dead = true;
    const FrameEvents events = Step(press);
    EXPECT_TRUE(events.Restarted);
    EXPECT_FALSE(P().Dead);
    EXPECT_EQ(P().X, 1);
}

TEST_F(MovementTest, ARespawnIntoALevelFileThatIsGoneIsAnErrorNotAnExit) {
    Load("#^ #");
    game_->LevelNumber = 4;
    P().Dead = true;
    FrameInput press;
    press.Respawn = true;
    const FrameEvents events = Step(press);
    ASSERT_TRUE(events.Error);
    EXPECT_EQ(events.Error->LevelNumber, 4);
    EXPECT_TRUE(P().Dead);  // nothing was loaded
}

}  // namespace
}  // namespace world::test
