// Poisoned earth: the drip rhythm (the 122nd frame, then every 121st, running on across
// restarts), drops falling down a shaft and poisoning the earth at its bottom, and a player
// standing under dead earth.
#include "tests/world/world_test_support.h"
#include "world/hazards.h"

namespace world::test {
namespace {

class LeaksTest : public WorldTest {
  protected:
    // Frames (counted from 1) in which a drop appears at (2, 1), over the next n frames; each
    // drop is taken away again so that the next drip has room.
    std::vector<int> DripFrames(int frames) {
        std::vector<int> drips;
        for (int frame = 1; frame <= frames; ++frame) {
            Wait(1);
            if (At(2, 1) == Leak) {
                drips.push_back(frame);
                game_->Map.At(2, 1) = Empty;
            }
        }
        return drips;
    }
    // No fall pass for a long time: drops stay where they appear.
    void HoldTheColumns() { game_->ColumnTimers.fill(1000); }
};

TEST_F(LeaksTest, DeadEarthDripsInThe122ndFrameThenEvery121st) {
    Load(R"(
#^x #
#.  #
#####)");
    HoldTheColumns();
    EXPECT_EQ(DripFrames(400), (std::vector<int>{122, 243, 364}));
    EXPECT_EQ(sounds_, (std::vector<std::string>{"leak0", "leak1", "leak2"}));
    app::Flags().SoundEnabled = 0;
    game_->LeakTimer = 121;
    Wait(1);
    app::Flags().SoundEnabled = 1;
    game_->LeakTimer = 121;
    game_->Map.At(2, 1) = Empty;
    Wait(1);
    EXPECT_EQ(sounds_.back(), "leak4") << "the counter advanced while sound was off";
}

TEST_F(LeaksTest, EveryDripsCellDripsInTheSamePassAndOnlyOverEmptyCells) {
    Load(R"(
#xxxx#
# .! #
######)");
    game_->LeakTimer = 121;
    HoldTheColumns();
    Wait(1);
    EXPECT_EQ(At(1, 1), Leak);
    EXPECT_EQ(At(2, 1), Earth);
    EXPECT_EQ(At(3, 1), Leak);  // already a drop
    EXPECT_EQ(At(4, 1), Leak);
    EXPECT_EQ(sounds_.size(), 2u);
    EXPECT_EQ(game_->LeakTimer, 1);
}

TEST_F(LeaksTest, DropsFallDownAShaftAndPoisonTheEarthAtItsBottom) {
    Load(R"(
#.x.#
#^  #
#.  #
#.  #
#...#
#...#)");
    game_->LeakTimer = 121;
    Wait(1);  // the drip comes before the fall pass of the same frame
    EXPECT_EQ(At(2, 2), Leak);
    Wait(50);  // two more turns of the column
    EXPECT_EQ(At(2, 4), DeadEarth);
    EXPECT_EQ(At(2, 3), Empty);
    Wait(121 + 75);  // the next drop vanishes on the new dead earth, which has no gap under it
    EXPECT_EQ(At(2, 4), DeadEarth);
    EXPECT_EQ(At(2, 5), Earth);
    EXPECT_EQ(At(2, 3), Empty);
}

TEST_F(LeaksTest, ADropWrittenIntoThePlayersCellKillsInTheNextFrameUnlessTheyStepAway) {
    for (bool stepAway : {false, true}) {
        Load(R"(
#x..#
#^  #
#...#)");
        game_->Map.At(1, 1) = Empty;  // the player stands in the empty cell under dead earth
        P().Dead = P().KeyLatch = 0;
        HoldTheColumns();
        game_->LeakTimer = 121;
        Wait(1);
        EXPECT_EQ(At(1, 1), Leak);
        EXPECT_EQ(P().Dead, 0);
        if (stepAway) {
            Hold({scan::Right});
        } else {
            Wait(1);
        }
        EXPECT_EQ(P().Dead, stepAway ? 0 : 1);
    }
}

TEST_F(LeaksTest, TheRhythmRunsOnWhileThePlayerIsDead) {
    Load("#^x #\n#.  #\n#####");
    P().Dead = 1;
    HoldTheColumns();
    EXPECT_EQ(DripFrames(130), (std::vector<int>{122}));
    EXPECT_EQ(game_->LeakTimer, 9);
}

}  // namespace
}  // namespace world::test
