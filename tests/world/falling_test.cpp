// Falling and rolling: the copy-based fall pass, rolls off hard cells (and not off earth), the
// coin when both sides are free, the map's edges, the column order within a frame, and objects
// landing in the player's cell.
#include <set>

#include "tests/world/world_test_support.h"
#include "world/falling.h"

namespace world::test {
namespace {

using FallingTest = WorldTest;

std::vector<int> RowsHolding(const LevelMap& map, int x, Cell kind) {
    std::vector<int> rows;
    for (int y = 0; y < MapSize; ++y)
        if (map.At(x, y) == kind) rows.push_back(y);
    return rows;
}

TEST_F(FallingTest, AStackOverEmptyCellsOpensOneCellAtATime) {
    Load(R"(
#o#
#o#
#o#
# #
# #
# #
# #
#.#)");
    Column(1);
    EXPECT_EQ(RowsHolding(game_->Map, 1, Stone), (std::vector<int>{0, 1, 3}));
    Column(1);
    EXPECT_EQ(RowsHolding(game_->Map, 1, Stone), (std::vector<int>{0, 2, 4}));
    Column(1);
    EXPECT_EQ(RowsHolding(game_->Map, 1, Stone), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(sounds_, (std::vector<std::string>{"rollstone0", "rollstone1", "rollstone2",
                                                 "rollstone3", "rollstone4", "rollstone0"}));
}

TEST_F(FallingTest, EveryKindFallsWithItsOwnSoundAndCounter) {
    Load(R"(
#o*+B!#
#     #
#.....#)");
    Column(1);
    Column(2);
    Column(3);
    Column(4);
    Column(5);
    for (int x = 1; x <= 5; ++x) EXPECT_EQ(At(x, 0), Empty) << x;
    EXPECT_EQ(At(1, 1), Stone);
    EXPECT_EQ(At(2, 1), Crystal);
    EXPECT_EQ(At(3, 1), BCrystal);
    EXPECT_EQ(At(4, 1), Barrel);
    EXPECT_EQ(At(5, 1), Leak);
    EXPECT_EQ(sounds_, (std::vector<std::string>{"rollstone0", "stonecoll0", "stonecoll1",
                                                 "fassroll0"}));  // a drop is silent
}

TEST_F(FallingTest, LeakDropsPoisonEarthAndVanishOnAnythingElse) {
    Load(R"(
#!!!#
#.o #
#..##)");
    for (int x = 1; x <= 3; ++x) Column(x);
    EXPECT_EQ(At(1, 0), Empty);
    EXPECT_EQ(At(1, 1), DeadEarth);
    EXPECT_EQ(At(2, 0), Empty);  // on a stone
    EXPECT_EQ(At(2, 1), Stone);
    EXPECT_EQ(At(3, 1), Leak);  // through the empty cell...
    Column(3);
    EXPECT_EQ(At(3, 1), Empty);  // ...and gone on the wall
    game_->Map.At(5, 63) = Leak;
    Column(5);
    EXPECT_EQ(At(5, 63), Leak);  // the bottom row keeps it
}

TEST_F(FallingTest, ObjectsRollOffHardCellsButNotOffEarth) {
    // Row 1 holds what the stones of row 0 rest on, each stone with room on its right only.
    Load(R"(
#o #o #o #o #o #o #o #o #o #
#v #= #t #c #x #. #o #* #B #
#  #  #  #  #  #  #  #  #  #)");
    const std::string expected = "v=t...o*B";
    for (int i = 0; i < 9; ++i) {
        const int x = 1 + 3 * i;
        RollSideways(*game_, x, Stone);
        const bool rolls = expected[i] != '.';
        EXPECT_EQ(At(x, 0), rolls ? Empty : Stone) << "on " << world::CellSymbol(At(x, 1));
        EXPECT_EQ(At(x + 1, 0), rolls ? Stone : Empty) << "on " << world::CellSymbol(At(x, 1));
    }
}

TEST_F(FallingTest, TheFreeSideWinsAndBothFreeTossesACoin) {
    Load(R"(
#.o  o. #
# o  o  #
#########)");
    RollSideways(*game_, 2, Stone);  // left side earth: rolls right
    RollSideways(*game_, 5, Stone);  // right side earth: rolls left
    EXPECT_EQ(At(3, 0), Stone);
    EXPECT_EQ(At(4, 0), Stone);

    std::set<int> landed;
    for (double seed = 1; seed <= 16; ++seed) {
        int first = 0;
        for (int again = 0; again < 2; ++again) {
            Load("#   #\n# = #\n#####");
            game_->Map.At(2, 0) = Stone;
            game_->Random.Seed(seed);
            RollSideways(*game_, 2, Stone);
            const int x = At(1, 0) == Stone ? 1 : At(3, 0) == Stone ? 3 : 0;
            EXPECT_NE(x, 0);
            if (again == 1) {
                EXPECT_EQ(x, first) << "the same seed rolls the same way";
            }
            first = x;
            landed.insert(x);
        }
    }
    EXPECT_EQ(landed, (std::set<int>{1, 3}));
}

TEST_F(FallingTest, TheMapsEdgesAreWallsAndTheBottomRowStays) {
    game_->Map.Cells.fill(Empty);
    auto stack = [&](int x, int y) { game_->Map.At(x, y) = game_->Map.At(x, y + 1) = Stone; };
    stack(63, 10);  // rolls left
    stack(63, 30);  // stays: its only side is blocked
    game_->Map.At(62, 30) = Earth;
    stack(0, 20);  // stays: its only side is blocked
    game_->Map.At(1, 20) = Earth;
    game_->Map.At(30, 63) = game_->Map.At(31, 63) = Stone;
    for (int x : {0, 30, 31, 63}) Column(x);
    EXPECT_EQ(At(62, 10), Stone);
    EXPECT_EQ(At(63, 30), Stone);
    EXPECT_EQ(At(0, 20), Stone);
    EXPECT_EQ(At(30, 63), Stone);
    EXPECT_EQ(At(31, 63), Stone);
}

TEST_F(FallingTest, ARollToTheRightFallsInTheSameFrameOneToTheLeftWaits) {
    Load(R"(
#  o  #
# .o  #
#.....#)");
    Wait(1);  // every column's first turn, in order x = 0 .. 63
    EXPECT_EQ(At(4, 1), Stone) << "rolled right into column 4 and fell in the same frame";

    Load(R"(
#  o  #
#  o. #
#.....#)");
    game_->ColumnTimers.fill(0);
    Wait(1);
    EXPECT_EQ(At(2, 0), Stone) << "rolled left into column 2, already updated: waits";
    Wait(24);
    EXPECT_EQ(At(2, 0), Stone);
    Wait(1);
    EXPECT_EQ(At(2, 1), Stone);
}

}  // namespace
}  // namespace world::test
