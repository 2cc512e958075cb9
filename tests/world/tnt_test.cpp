// The TNT charge: where it can be placed, the fuse (the explosion 179 frames after placing), the
// 3 x 3 blast that clears anything (walls included), several charges in one pass, the flame
// ring, and what stands still while the player is dead.
#include "tests/world/world_test_support.h"
#include "world/hazards.h"

namespace world::test {
namespace {

class TntTest : public WorldTest {
  protected:
    // The player carries a charge and stands on the start stair at (1, 1).
    void Start() {
        Load(R"(
#######
#^    #
#.....#
#######)");
        P().HasTnt = 1;
    }
    int LitFlames() const {
        int n = 0;
        for (const Flame& f : game_->Flames.Slots) n += f.Countdown >= 0;
        return n;
    }
};

TEST_F(TntTest, TheChargeGoesOff179FramesAfterItWasPlaced) {
    Start();
    Hold({scan::Space});  // not on the stair
    EXPECT_EQ(P().HasTnt, 1);
    EXPECT_EQ(game_->TntFuse, 0);
    Walk(scan::Right);
    Hold({scan::Space});  // frame F
    EXPECT_EQ(At(2, 1), TntPlaced);
    EXPECT_EQ(P().HasTnt, 0);
    Walk(scan::Right);
    Walk(scan::Right);  // two cells away, at (4, 1)
    Wait(178 - 4);
    EXPECT_EQ(At(2, 1), TntPlaced);
    EXPECT_EQ(Played("explosion"), 0);
    EXPECT_EQ(game_->TntFuse, 1);
    Wait(1);  // frame F + 179
    EXPECT_EQ(Played("explosion"), 1);
    for (int x = 1; x <= 3; ++x)
        for (int y = 0; y <= 2; ++y) EXPECT_EQ(At(x, y), Empty) << x << ", " << y;
    EXPECT_EQ(At(0, 1), Massive);  // nothing outside the square
    EXPECT_EQ(At(4, 2), Earth);
    EXPECT_EQ(P().Dead, 0);
    EXPECT_EQ(game_->TntFuse, 0);
}

TEST_F(TntTest, AnotherChargeCanBeLitOnlyOnceTheFuseIsOut) {
    Start();
    Walk(scan::Right);
    Hold({scan::Space});
    P().HasTnt = 1;  // a second charge fetched meanwhile
    Walk(scan::Right);
    Walk(scan::Right);  // out of the square, at (4, 1)
    Hold({scan::Space});
    EXPECT_EQ(At(4, 1), Empty);  // one charge burns at a time
    game_->TntFuse = 1;
    Hold({scan::Space});  // the explosion's frame: still burning when placing is tried
    EXPECT_EQ(At(2, 1), Empty);
    EXPECT_EQ(P().HasTnt, 1);
    Hold({scan::Space});
    EXPECT_EQ(At(4, 1), TntPlaced);
    EXPECT_EQ(game_->TntFuse, 179);
}

TEST_F(TntTest, FlamesBurnOnTheSquareTwentyFramesAndRememberWhereThePlayerStood) {
    Start();
    Walk(scan::Right);
    Hold({scan::Space});
    Walk(scan::Right);
    Walk(scan::Right);
    game_->TntFuse = 1;
    Wait(1);
    ASSERT_EQ(LitFlames(), 9);
    const Flames& f = game_->Flames;
    // The charge at (2, 1), the player at (4, 1).
    EXPECT_EQ(f.Slots[0].X, 1);  // (1, 0): first column, top row of the square
    EXPECT_EQ(f.Slots[0].Y, 0);
    EXPECT_EQ(f.Slots[8].X, 3);  // (3, 2): last
    EXPECT_EQ(f.Slots[8].Y, 2);
    EXPECT_EQ(f.Slots[8].AnchorX, 4);
    EXPECT_EQ(f.Slots[8].AnchorY, 1);
    EXPECT_EQ(f.Slots[4].Countdown, 19);
    EXPECT_EQ(f.NextSlot, 0);
    Walk(scan::Left);  // where the player stood when they started stays with them
    EXPECT_EQ(f.Slots[0].AnchorX, 4);
    Wait(17);
    EXPECT_EQ(f.Slots[0].Countdown, 0);  // the 20th picture shown
    Wait(1);
    EXPECT_EQ(LitFlames(), 0);
}

TEST_F(TntTest, StandingInTheSquareKillsAndFreezesTheFlames) {
    Start();
    Walk(scan::Right);
    Hold({scan::Space});
    Walk(scan::Right);  // only one cell away
    app::Flags().SoundEnabled = 0;
    game_->TntFuse = 1;
    Wait(1);
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(sounds_, std::vector<std::string>{"explosion"});  // heard with effects off
    Wait(30);
    EXPECT_EQ(game_->Flames.Slots[0].Countdown, 19);  // standing still until the level restarts
}

TEST_F(TntTest, TheFuseStandsStillWhileThePlayerIsDead) {
    Start();
    Walk(scan::Right);
    Hold({scan::Space});
    const int fuse = game_->TntFuse;
    P().Dead = 1;
    Wait(300);
    EXPECT_EQ(game_->TntFuse, fuse);
    EXPECT_EQ(At(2, 1), TntPlaced);
}

TEST_F(TntTest, EveryChargeOfTheMapGoesOffButOneClearedByAnEarlierSquareDoesNot) {
    game_->Map.Cells.fill(Earth);
    game_->Map.At(10, 10) = game_->Map.At(11, 10) = TntPlaced;  // side by side, from the file
    game_->Map.At(30, 30) = TntPlaced;
    game_->Map.At(0, 0) = TntPlaced;  // a corner: the square is cut
    P().X = 20, P().Y = 20;
    game_->Map.At(20, 20) = Empty;
    game_->TntFuse = 1;
    Wait(1);
    EXPECT_EQ(At(12, 10), Earth) << "(11, 10) was cleared by the first square and did not go off";
    EXPECT_EQ(At(9, 9), Empty);
    EXPECT_EQ(At(31, 31), Empty);
    EXPECT_EQ(At(1, 1), Empty);
    EXPECT_EQ(At(2, 2), Earth);
    EXPECT_EQ(game_->Flames.NextSlot, (4 + 9 + 9) % 9);  // 22 flames through a ring of 9
    EXPECT_EQ(Played("explosion"), 1);
}

TEST_F(TntTest, StartFlameWrapsAfterNineSlots) {
    Flames& f = game_->Flames;
    for (int i = 0; i < 10; ++i) StartFlame(f, i, -i, 0, 0);
    EXPECT_EQ(f.Slots[0].X, 9);  // the tenth overwrote the oldest
    EXPECT_EQ(f.Slots[0].Y, -9);
    EXPECT_EQ(f.Slots[1].X, 1);
    EXPECT_EQ(f.NextSlot, 1);
    TickFlames(f);
    EXPECT_EQ(f.Slots[3].Countdown, 18);
}

}  // namespace
}  // namespace world::test
