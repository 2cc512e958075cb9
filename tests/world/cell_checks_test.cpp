// What the player's cell does to the player, checked every frame in a fixed order: digging,
// collecting, picking up, breaking, the closed and open exit, and the cells that kill; with the
// sounds and their variant counters.
#include "tests/world/world_test_support.h"

namespace world::test {
namespace {

using CellChecksTest = WorldTest;

TEST_F(CellChecksTest, TakingEachKindOfCellCountsAndSounds) {
    Load(R"(
############
#^.*+cCp=  #
############)");
    for (int i = 0; i < 8; ++i) Walk(scan::Right);
    EXPECT_EQ(P().X, 9);
    EXPECT_EQ(game_->Dug, 2);        // the earth and the block
    EXPECT_EQ(game_->Collected, 4);  // crystal, bonus crystal, both crystals in earth
    EXPECT_EQ(P().HasPickaxe, 1);    // kept after breaking the block
    for (int x = 2; x <= 9; ++x) EXPECT_EQ(At(x, 1), Empty) << x;
    EXPECT_EQ(sounds_, (std::vector<std::string>{"dig0", "pickup0", "pickup1", "pickup2", "dig1",
                                                 "pickup3", "dig2", "pickup4", "breakstone0"}));
    EXPECT_EQ(game_->Needed, 2);  // only the crystal and the crystal in earth count
}

TEST_F(CellChecksTest, VariantCountersAdvanceWhetherOrNotSoundIsOn) {
    Load(R"(
##########
#^.......#
##########)");
    for (int i = 0; i < 3; ++i) Walk(scan::Right);
    app::Flags().SoundEnabled = 0;
    for (int i = 0; i < 2; ++i) Walk(scan::Right);
    app::Flags().SoundEnabled = 1;
    for (int i = 0; i < 2; ++i) Walk(scan::Right);
    EXPECT_EQ(sounds_, (std::vector<std::string>{"dig0", "dig1", "dig2", "dig0", "dig1"}));
    EXPECT_EQ(game_->Dug, 7);
}

TEST_F(CellChecksTest, ACarriedChargeLeavesTheSecondTntWhereItIs) {
    Load(R"(
#######
#^tt  #
#######)");
    Walk(scan::Right);
    EXPECT_EQ(P().HasTnt, 1);
    Walk(scan::Right);
    EXPECT_EQ(At(3, 1), Tnt);  // the player stands on it
    EXPECT_EQ(P().X, 3);
    Walk(scan::Right);
    EXPECT_EQ(At(3, 1), Tnt);
    EXPECT_EQ(Played("pickup0"), 1);
    EXPECT_EQ(Played("pickup1"), 0);
}

TEST_F(CellChecksTest, DeadEarthIsDugAndKills) {
    Load(R"(
#####
#^x #
#####)");
    Walk(scan::Right);
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(At(2, 1), Empty);
    EXPECT_EQ(game_->Dug, 1);
    EXPECT_EQ(sounds_, (std::vector<std::string>{"dig0", "dead"}));
}

TEST_F(CellChecksTest, BarrelsAndLeakDropsKillWhenWalkedInto) {
    for (const char* picture : {"#^B #\n#####", "#^! #\n#####"}) {
        Load(picture);
        P().Dead = P().KeyLatch = 0;
        sounds_.clear();
        Walk(scan::Right);
        EXPECT_EQ(P().Dead, 1) << picture;
        EXPECT_EQ(P().X, 2);
        EXPECT_EQ(sounds_, std::vector<std::string>{"dead"});
    }
}

TEST_F(CellChecksTest, AClosedExitIsJustACellToStandOn) {
    Load(R"(
######
#^v* #
######)");
    Walk(scan::Right);  // one crystal short
    EXPECT_EQ(P().X, 2);
    EXPECT_EQ(At(2, 1), StairDown);
    EXPECT_TRUE(sounds_.empty());
    Walk(scan::Right);
    Walk(scan::Right);
    EXPECT_EQ(P().X, 4);
}

TEST_F(CellChecksTest, TheCellIsExaminedEveryFrameNotOnlyAfterASteps) {
    Load(R"(
#####
#*  #
#^ .#
#####)");
    game_->Map.At(1, 2) = Empty;  // the player stands in an empty cell under a loose crystal
    Wait(1);                      // the first frame lets every column fall
    EXPECT_EQ(At(1, 2), Crystal);
    Wait(1);
    EXPECT_EQ(At(1, 2), Empty);
    EXPECT_EQ(game_->Collected, 1);
    EXPECT_EQ(sounds_, (std::vector<std::string>{"stonecoll0", "pickup0"}));
}

}  // namespace
}  // namespace world::test
