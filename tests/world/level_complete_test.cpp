// Finishing a level: the frame that reaches the open exit waits there with the "finish" sound,
// the next level starts when the player goes on, its start cell is examined in that same frame,
// the burning fuse is carried over, and no level follows the largest number.
#include <limits>

#include "tests/world/world_test_support.h"

namespace world::test {
namespace {

class LevelCompleteTest : public WorldTest {
  protected:
    static constexpr std::int32_t FirstLevel = 7;

    void WriteLevel(std::int32_t number, std::string_view picture) {
        auto map = world::MapFromPicture(picture, Massive);
        ASSERT_TRUE(map);
        temp_.Write(number, *map);
    }

    // Steps right onto the exit, then goes on to the next level as "nextlvl" would.
    FrameEvents FinishAndGoOn(const FrameInput& input) {
        const FrameEvents finishing = Step(input);
        EXPECT_TRUE(finishing.LevelFinished);
        FrameEvents next = EnterNextLevel(*game_, levels_);
        app::PlayWorldSounds(next.Sounds);
        return next;
    }
};

// The player stands next to an open exit.
constexpr const char* Finishing = R"(
#####
#^v #
#####)";

TEST_F(LevelCompleteTest, TheFinishingFrameWaitsOnTheExitUntilThePlayerGoesOn) {
    WriteLevel(FirstLevel + 1, R"(
#######
#.  ^ #
#######)");
    Load(Finishing);
    game_->LevelNumber = FirstLevel;
    game_->Dug = 4;
    game_->LeakTimer = 50;
    P().HasPickaxe = true;
    const FrameEvents finishing = Step(InputOf({scan::Right}));
    EXPECT_TRUE(finishing.LevelFinished);
    EXPECT_EQ(finishing.Sounds.back().What, Sound::Finish);
    EXPECT_EQ(game_->LeakTimer, 50);  // the rest of the frame waits
    EXPECT_EQ(game_->LevelNumber, FirstLevel);

    const FrameEvents next = EnterNextLevel(*game_, levels_);
    EXPECT_TRUE(next.Restarted);
    EXPECT_EQ(game_->LevelNumber, FirstLevel + 1);
    EXPECT_EQ(game_->LeakTimer, 51);  // ... and then goes on in the new level
    EXPECT_EQ(P().X, 4);
    EXPECT_EQ(P().Y, 1);
    EXPECT_EQ(At(1, 1), Earth);
    EXPECT_EQ(game_->Dug, 0);
    EXPECT_FALSE(P().HasPickaxe);
}

TEST_F(LevelCompleteTest, TheNewLevelsStartCellIsExaminedInTheSameFrame) {
    WriteLevel(FirstLevel + 1, R"(
####
#o #
#. #)");  // no stair: the player starts at (1, 1), on the stone
    Load(Finishing);
    game_->LevelNumber = FirstLevel;
    const FrameEvents next = FinishAndGoOn(InputOf({scan::Right}));
    EXPECT_EQ(game_->LevelNumber, FirstLevel + 1);
    EXPECT_TRUE(P().Dead);
    EXPECT_EQ(next.Died, DeathCause::Crushed);
    EXPECT_EQ(Played("dead"), 1);
}

TEST_F(LevelCompleteTest, ABurningFuseGoesOnInTheNextLevel) {
    WriteLevel(FirstLevel + 1, R"(
#######
#^  T.#
#######)");
    Load(Finishing);
    game_->LevelNumber = FirstLevel;
    game_->TntFuse = 10;
    FinishAndGoOn(InputOf({scan::Right}));
    Wait(8);
    EXPECT_EQ(At(4, 1), TntPlaced);
    Wait(1);
    EXPECT_EQ(At(4, 1), Empty);  // the level's own inert charge went off with the carried fuse
    EXPECT_EQ(At(5, 1), Empty);
    EXPECT_FALSE(P().Dead);
}

TEST_F(LevelCompleteTest, NoLevelFollowsTheLargestNumberItsFileIsAnError) {
    Load(Finishing);
    game_->LevelNumber = std::numeric_limits<std::int32_t>::max();
    const FrameEvents next = FinishAndGoOn(InputOf({scan::Right}));
    ASSERT_TRUE(next.Error);
    EXPECT_EQ(next.Error->LevelNumber, std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1);
    EXPECT_EQ(game_->LevelNumber, std::numeric_limits<std::int32_t>::max());
}

TEST_F(LevelCompleteTest, AMissingNextLevelIsAnErrorWithTheFilesName) {
    Load(Finishing);
    game_->LevelNumber = FirstLevel;  // FirstLevel + 1 is never written
    const FrameEvents next = FinishAndGoOn(InputOf({scan::Right}));
    ASSERT_TRUE(next.Error);
    EXPECT_EQ(next.Error->Message(),
              "Could not open file '" + levels_.FileOf(FirstLevel + 1).string() + "'");
    EXPECT_EQ(LevelFolder().NameOf(8), "lvl\\Level8.dat");  // the game's own folder, as always
}

}  // namespace
}  // namespace world::test
