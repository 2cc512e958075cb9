// Finishing a level: the dialog with the next level's code and its own loop until "nextlvl", the
// next level's start cell examined in the same frame, the burning fuse carried over, and the
// level number after the largest one.
#include <fstream>
#include <limits>

#include "app/level_codes.h"
#include "tests/world/world_test_support.h"
#include "world/level_complete.h"
#include "world/report_error.h"

namespace world::test {
namespace {

using gui::test::EndStatus;

class LevelCompleteTest : public WorldTest {
  protected:
    LevelCompleteTest() {
        previousRunner_ = SetErrorWindowRunner(
            [this](const std::vector<std::string>& args) { reported_.push_back(args.back()); });
    }
    ~LevelCompleteTest() override {
        SetErrorWindowRunner(previousRunner_);
        pt::SetSleepHook(nullptr);
    }

    static std::int32_t FirstLevel() { return OwnLevelNumber(0); }

    void WriteLevel(std::int32_t number, std::string_view picture) {
        auto map = replay::MapFromPicture(picture, Massive);
        ASSERT_TRUE(map);
        const std::string path = presentation::NativePath(LevelPath(number));
        std::filesystem::create_directories("lvl");
        std::ofstream(path) << replay::LevelFileText(*map);
        WrittenFiles().push_back(path);
    }

    // Presses "nextlvl" at the end of the dialog's n-th frame and lets go once it has been
    // heard; Escape is held all the while. "nextlvl" has the place and pictures of "respawn". A
    // dialog that cannot be closed (no pictures found) ends the test instead of hanging it.
    void PressNextLevelInDialogFrame(int n) {
        const gui::Button* b = P().RespawnGui.GetButton(1);
        EXPECT_TRUE(b && b->Width > 2 && b->Height > 2) << "run from the folder that holds res";
        const int x = b ? b->X + b->Width / 2 : 0;
        const int y = b ? b->Y + b->Height / 2 : 0;
        pt::SetSleepHook([this, n, x, y] {
            pt::PressKey(scan::Escape);
            if (app::Flags().NextLevelRequested == 1) return pt::SetPointerInside(false);
            if (++dialogFrames_ == n) Press(x, y);
            if (dialogFrames_ > n + 100) gui::EndProgram(-1);
        });
    }

    int dialogFrames_ = 0;
    std::vector<std::string> reported_;
    ErrorWindowRunner previousRunner_;
};

// The player stands next to an open exit.
constexpr const char* Finishing = R"(
#####
#^v #
#####)";

TEST_F(LevelCompleteTest, TheDialogShowsTheCodeOfTheLevelAboutToBePlayed) {
    const app::LevelCodeTable table;
    EXPECT_EQ(NextLevelCode(table, 3), table.Code(4));
    EXPECT_EQ(NextLevelCode(table, 49), table.Code(50));
    // No code after the last one: the box ends the campaign with a word the menu does not take
    // for a code (it starts level 1, like any other text).
    EXPECT_EQ(NextLevelCode(table, 50), "THEEND");
    EXPECT_EQ(NextLevelCode(table, 51), "THEEND");  // the epilogue
    EXPECT_EQ(NextLevelCode(table, std::numeric_limits<std::int32_t>::max()), "THEEND");
    EXPECT_EQ(app::LookUpLevelCode(table, "THEEND"), 1);
    EXPECT_EQ(NextLevelCode(table, -7), "");

    gui::GUI dialog;
    BuildLevelCompleteDialog(dialog, table, 3);
    ASSERT_NE(dialog.GetLabel(1), nullptr);
    EXPECT_EQ(dialog.GetLabel(1)->Text, "Levelcode: ");
    EXPECT_EQ(dialog.GetLabel(1)->X, 440);
    const gui::TextBox* code = dialog.GetTextBox(1);
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->Text, table.Code(4));
    EXPECT_EQ(code->X, 535);
    EXPECT_EQ(code->Y, 350);
    EXPECT_EQ(code->MaxLength, 6);
    const gui::Button* next = dialog.GetButton(1);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->ID, "nextlvl");
    EXPECT_EQ(next->X, 416);
    EXPECT_EQ(next->Y, 360);

    gui::GUI last;
    BuildLevelCompleteDialog(last, table, app::LevelCodeCount);
    ASSERT_NE(last.GetTextBox(1), nullptr);
    EXPECT_EQ(last.GetTextBox(1)->Text, "THEEND");
}

TEST_F(LevelCompleteTest, TheDialogLoopsUntilNextLevelThenTheNextLevelStarts) {
    const std::int32_t level = FirstLevel();
    WriteLevel(level + 1, R"(
#######
#.  ^ #
#######)");
    Load(Finishing);
    game_->LevelNumber = level;
    game_->Dug() = 4;
    P().HasPickaxe = 1;
    PressNextLevelInDialogFrame(3);
    const int shown = pt::ShownFrames();
    Walk(scan::Right);
    EXPECT_EQ(dialogFrames_, 3);
    EXPECT_EQ(pt::ShownFrames() - shown, 4);  // three frames waiting, one hearing the button
    EXPECT_EQ(game_->LevelNumber, level + 1);
    EXPECT_EQ(app::Flags().NextLevelRequested, 0);
    EXPECT_EQ(P().X, 4);
    EXPECT_EQ(P().Y, 1);
    EXPECT_EQ(At(1, 1), Earth);
    EXPECT_EQ(game_->Dug(), 0);
    EXPECT_EQ(P().HasPickaxe, 0);
    EXPECT_EQ(Played("finish"), 1);
    EXPECT_EQ(Played("buttonclick"), 1);
}

TEST_F(LevelCompleteTest, TheNewLevelsStartCellIsExaminedInTheSameFrame) {
    const std::int32_t level = FirstLevel();
    WriteLevel(level + 1, R"(
####
#o #
#. #)");  // no stair: the player starts at (1, 1), on the stone
    Load(Finishing);
    game_->LevelNumber = level;
    PressNextLevelInDialogFrame(1);
    Hold({scan::Right});
    EXPECT_EQ(game_->LevelNumber, level + 1);
    EXPECT_EQ(P().Dead, 1);
    EXPECT_EQ(Played("dead"), 1);
}

TEST_F(LevelCompleteTest, ABurningFuseGoesOnInTheNextLevel) {
    const std::int32_t level = FirstLevel();
    WriteLevel(level + 1, R"(
#######
#^  T.#
#######)");
    Load(Finishing);
    game_->LevelNumber = level;
    game_->TntFuse = 10;
    PressNextLevelInDialogFrame(1);
    Hold({scan::Right});
    Wait(8);
    EXPECT_EQ(At(4, 1), TntPlaced);
    Wait(1);
    EXPECT_EQ(At(4, 1), Empty);  // the level's own inert charge went off with the carried fuse
    EXPECT_EQ(At(5, 1), Empty);
    EXPECT_EQ(P().Dead, 0);
}

TEST_F(LevelCompleteTest, NoLevelFollowsTheLargestNumberItsFileIsReportedMissing) {
    Load(Finishing);
    game_->LevelNumber = std::numeric_limits<std::int32_t>::max();
    PressNextLevelInDialogFrame(1);
    EXPECT_EQ(EndStatus([&] { Hold({scan::Right}); }), 0);
    EXPECT_EQ(reported_,
              std::vector<std::string>{"Could not open file 'lvl\\Level2147483648.dat'"});
    EXPECT_EQ(game_->LevelNumber, std::numeric_limits<std::int32_t>::max());
}

TEST_F(LevelCompleteTest, AMissingNextLevelEndsTheProgramWithTheReport) {
    const std::int32_t level = FirstLevel();  // level + 1 is never written
    Load(Finishing);
    game_->LevelNumber = level;
    PressNextLevelInDialogFrame(1);
    EXPECT_EQ(EndStatus([&] { Hold({scan::Right}); }), 0);
    ASSERT_EQ(reported_.size(), 1u);
    EXPECT_EQ(reported_[0], "Could not open file '" + LevelPath(level + 1) + "'");
}

}  // namespace
}  // namespace world::test
