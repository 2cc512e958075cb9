// The grace period after the player empties a cell: the stone or barrel above or beside them gets
// its column's turn put 25 frames away, so a player who digs under a stone and stays dies in the
// frame after it lands, and a step away in that frame saves them.
#include <utility>

#include "tests/world/world_test_support.h"
#include "world/falling.h"

namespace world::test {
namespace {

class ProtectionTest : public WorldTest {
  protected:
    // The stone rests on earth at (2, 1); the player starts beside that earth.
    void DigUnderTheStone() {
        Load(R"(
#.o.#
#^..#
#...#)");
        Wait(3);                     // every column has had its first turn
        game_->ColumnTimers[2] = 1;  // and column 2 is about to take its next one
        Hold({scan::Right});         // frame F: the step digs the earth under the stone
        ASSERT_EQ(P().X, 2);
        ASSERT_EQ(At(2, 1), Empty);
        Wait(24);
        EXPECT_EQ(At(2, 0), Stone) << "protected for 24 frames";
        Wait(1);
        EXPECT_EQ(At(2, 1), Stone) << "frame F + 25: the stone drops into the player's cell";
        EXPECT_EQ(P().Dead, 0);
    }
};

TEST_F(ProtectionTest, APlayerWhoStaysDiesInTheFrameAfterTheStoneLands) {
    DigUnderTheStone();
    Wait(1);
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(Played("dead"), 1);
}

TEST_F(ProtectionTest, AStepAwayInThatFrameSaves) {
    DigUnderTheStone();
    Hold({scan::Left});
    EXPECT_EQ(P().Dead, 0);
    EXPECT_EQ(P().X, 1);
    EXPECT_EQ(At(2, 1), Stone);
}

TEST_F(ProtectionTest, OnlyStonesAndBarrelsAboveOrBesideAreProtected) {
    struct Case {
        int Dx, Dy;  // where the object lies, from the player's cell (10, 10)
        Cell Kind;
        int Column;  // the column whose turn is moved, or -1
    };
    const Case cases[] = {
        {0, -1, Stone, 10},  {-1, 0, Stone, 9},   {-1, -1, Stone, 9}, {1, 0, Stone, 11},
        {1, -1, Barrel, 11}, {0, -1, Barrel, 10}, {-1, 0, Barrel, 9}, {0, -1, Crystal, -1},
        {0, -2, Stone, -1},  {-1, 1, Stone, -1},  {1, 1, Barrel, -1}, {0, -1, Leak, -1},
    };
    for (const Case& c : cases) {
        game_->Map.Cells.fill(Earth);
        game_->ColumnTimers.fill(3);
        P().X = 10, P().Y = 10;
        game_->Map.At(10 + c.Dx, 10 + c.Dy) = c.Kind;
        ProtectColumns(*game_);
        for (int x = 0; x < MapSize; ++x)
            EXPECT_EQ(game_->ColumnTimers[x], x == c.Column ? 25 : 3)
                << "object at (" << c.Dx << ", " << c.Dy << ") of kind " << int(c.Kind);
    }
}

TEST_F(ProtectionTest, NoColumnIsProtectedAtTheEdgesOrInTheTopRow) {
    game_->Map.Cells.fill(Stone);
    game_->ColumnTimers.fill(3);
    for (auto [x, y] : {std::pair{0, 5}, {63, 5}, {20, 0}}) {
        P().X = x, P().Y = y;
        ProtectColumns(*game_);
    }
    for (int t : game_->ColumnTimers) EXPECT_EQ(t, 3);
}

}  // namespace
}  // namespace world::test
