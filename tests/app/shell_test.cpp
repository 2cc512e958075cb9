// The shell's screens, run frame by frame on the memory screen: play starting with the play
// screen's toggles, a frame drawn whole with the widgets on top, the dead screen's button acted on
// before drawing, the level-complete dialog over the last frame, the error screen, the music
// timer, Escape, and the references released at shutdown.
#include "app/shell.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/flags.h"
#include "app/level_codes.h"
#include "app/level_complete.h"
#include "tests/app/play_test_support.h"

namespace app {
namespace {

using test::pt::AdvanceClock;
using test::pt::PressKey;
using test::pt::SetMouse;

class ShellTest : public test::PlayTest {
  protected:
    ShellTest() {
        WriteLevel(1, test::FramedLevel(10, 10));
        WriteLevel(4, test::FramedLevel(40, 50));
        shell_ = NewShell();
        sounds_.clear();  // the music the shell starts
    }
    ~ShellTest() override { shell_.reset(); }

    Shell& S() { return *shell_; }
    world::GameState& Game() { return shell_->Play().Game(); }
    // The dead notice in one colour, to see the scene's player part.
    void MarkDeadNotice() {
        S().View().Sprites.DeadNotice = presentation::CreateImage(250, 96, 0xC00001);
    }
    bool DeadNoticeShown() { return At(387 + 125, 259 + 48) == 0xC00001u; }

    std::unique_ptr<Shell> shell_;
};

TEST_F(ShellTest, StartPlayPlacesThePlayerAndAddsTheToggles) {
    Flags().SoundEnabled = false;
    EXPECT_EQ(S().Screen(), Screen::Menu);
    presentation::DrawLine(presentation::Screen, 0, 0, 1023, 767, 0x123456,
                           presentation::LineKind::FilledBox);
    S().StartPlay(4);
    EXPECT_EQ(S().Screen(), Screen::Playing);
    EXPECT_EQ(S().Menu(), nullptr);  // the menu's objects are gone
    EXPECT_EQ(Game().LevelNumber, 4);
    EXPECT_EQ(std::pair(Game().Player.X, Game().Player.Y), std::pair(40, 50));
    EXPECT_EQ(At(500, 500), 0x000000u);  // cleared

    S().Frame();
    EXPECT_EQ(At(12, 12), 0xDDDDDDu);           // the first label's face
    EXPECT_EQ(At(115 + 7, 9 + 7), 0xFFFFFFu);   // the sound toggle shows the flag: off
    EXPECT_EQ(At(115 + 7, 24 + 7), 0x000000u);  // the music toggle: on
    EXPECT_EQ(Flags().SoundToggleState != nullptr, true);
    EXPECT_EQ(*Flags().SoundToggleState, 0);
    EXPECT_EQ(*Flags().MusicToggleState, 1);
}

TEST_F(ShellTest, FramesDrawTheSceneWithTheTogglesOnTopAtSixtyASecondWhenItChanges) {
    S().StartPlay(1);
    MarkDeadNotice();
    const int shown = test::pt::ShownFrames();
    const double slept = test::pt::SleptMilliseconds();
    for (int frame = 0; frame < 120; ++frame) S().Frame();
    // A picture that does not change is drawn once and stays on the screen; the frames go on.
    EXPECT_EQ(test::pt::ShownFrames(), shown + 1);
    EXPECT_GE(test::pt::SleptMilliseconds() - slept, 119 * 16.0);  // paced at 60 a second
    EXPECT_EQ(At(12, 12), 0xDDDDDDu);                              // label face over the scene
    EXPECT_EQ(At(115 + 7, 9 + 7), 0x000000u);                      // the sound toggle's cross
    EXPECT_FALSE(DeadNoticeShown());

    // What changes the picture draws it again: a step, the pointer, a counter.
    Frames(S(), {presentation::scan::Down});
    EXPECT_EQ(test::pt::ShownFrames(), shown + 2);
    Frames(S(), {}, 3);  // the step pose, then standing
    const int standing = test::pt::ShownFrames();
    S().Frame();
    EXPECT_EQ(test::pt::ShownFrames(), standing);
    SetMouse(300, 300, 0);
    S().Frame();
    EXPECT_EQ(test::pt::ShownFrames(), standing + 1);
    Game().Collected = 3;
    S().Frame();
    EXPECT_EQ(test::pt::ShownFrames(), standing + 2);

    Frames(S(), {presentation::scan::Enter});  // giving up
    EXPECT_EQ(S().Screen(), Screen::Dead);
    EXPECT_TRUE(DeadNoticeShown());
}

TEST_F(ShellTest, TheRespawnButtonRestartsTheLevelBeforeTheFrameIsDrawn) {
    S().StartPlay(1);
    MarkDeadNotice();
    world::GameState& game = Game();
    Frames(S(), {presentation::scan::Enter});
    ASSERT_EQ(S().Screen(), Screen::Dead);
    game.Player.X = 30;
    game.Collected = 4;
    game.Dug = 9;
    game.Player.HasPickaxe = true;
    game.Map.At(10, 11) = world::Empty;
    SetMouse(416 + 20, 360 + 10, 1);
    S().Frame();
    SetMouse(0, 0, 0);
    EXPECT_EQ(S().Screen(), Screen::Playing);
    EXPECT_FALSE(game.Player.Dead);
    EXPECT_EQ(std::pair(game.Player.X, game.Player.Y), std::pair(10, 10));
    EXPECT_EQ(game.Collected, 0);
    EXPECT_EQ(game.Dug, 0);
    EXPECT_FALSE(game.Player.HasPickaxe);
    EXPECT_EQ(game.Map.At(10, 11), world::Earth);  // the level as its file has it
    EXPECT_FALSE(DeadNoticeShown());               // this very frame shows the player alive
    EXPECT_EQ(sounds_, std::vector<std::string>{"play buttonclick"});
}

TEST_F(ShellTest, RespawnIntoALevelWhoseFileIsGoneIsReportedAndTheGameEnds) {
    S().StartPlay(4);
    Frames(S(), {presentation::scan::Enter});
    std::filesystem::remove("lvl/Level4.dat");
    SetMouse(416 + 20, 360 + 10, 1);
    S().Frame();
    EXPECT_EQ(S().Screen(), Screen::Error);
    EXPECT_TRUE(reports_.empty());
    S().Frame();
    EXPECT_EQ(S().Screen(), Screen::Ended);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], (std::vector<std::string>{"ERROR", "ERROR",
                                                     "Could not open file 'lvl\\Level4.dat'"}));
}

TEST_F(ShellTest, TheLevelCompleteDialogWaitsOverTheLastFrameUntilNextLevel) {
    world::LevelMap first = test::FramedLevel(10, 10);
    first.At(11, 10) = world::StairDown;  // no crystals needed: the exit is open
    WriteLevel(1, first);
    WriteLevel(2, test::FramedLevel(30, 30));
    S().StartPlay(1);
    S().Frame();
    Frames(S(), {presentation::scan::Right});
    ASSERT_EQ(S().Screen(), Screen::LevelComplete);
    ASSERT_NE(S().Dialog(), nullptr);
    EXPECT_EQ(S().Dialog()->GetTextBox(1)->Text, LevelCodeTable{}.Code(2));
    EXPECT_EQ(sounds_, std::vector<std::string>{"play finish"});
    const int shown = test::pt::ShownFrames();
    Frames(S(), {presentation::scan::Escape}, 3);  // the dialog does not look at Escape
    EXPECT_EQ(S().Screen(), Screen::LevelComplete);
    EXPECT_EQ(test::pt::ShownFrames(), shown + 3);
    EXPECT_EQ(Game().LevelNumber, 1);

    SetMouse(416 + 20, 360 + 10, 1);
    S().Frame();
    SetMouse(0, 0, 0);
    EXPECT_EQ(S().Screen(), Screen::Playing);
    EXPECT_EQ(S().Dialog(), nullptr);
    EXPECT_EQ(Game().LevelNumber, 2);
    EXPECT_EQ(std::pair(Game().Player.X, Game().Player.Y), std::pair(30, 30));
    EXPECT_FALSE(Flags().NextLevelRequested);
    EXPECT_EQ(sounds_.back(), "play buttonclick");
}

TEST_F(ShellTest, TheDialogShowsTheCodeOfTheLevelAboutToBePlayed) {
    const LevelCodeTable table;
    EXPECT_EQ(NextLevelCode(table, 3), table.Code(4));
    EXPECT_EQ(NextLevelCode(table, 49), table.Code(50));
    // No code after the last one: the box ends the campaign with a word the menu does not take
    // for a code (it starts level 1, like any other text).
    EXPECT_EQ(NextLevelCode(table, 50), "THEEND");
    EXPECT_EQ(NextLevelCode(table, 51), "THEEND");  // the epilogue
    EXPECT_EQ(NextLevelCode(table, std::numeric_limits<std::int32_t>::max()), "THEEND");
    EXPECT_EQ(LookUpLevelCode(table, "THEEND"), 1);
    EXPECT_EQ(NextLevelCode(table, -7), "");

    gui::GUI dialog;
    BuildLevelCompleteDialog(dialog, table, 3);
    ASSERT_NE(dialog.GetLabel(1), nullptr);
    EXPECT_EQ(dialog.GetLabel(1)->Text, "Levelcode: ");
    EXPECT_EQ(dialog.GetLabel(1)->X, 440);
    const gui::TextBox* code = dialog.GetTextBox(1);
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->Text, table.Code(4));
    EXPECT_EQ(std::pair(code->X, code->Y), std::pair(535, 350));
    EXPECT_EQ(code->MaxLength, 6);
    const gui::Button* next = dialog.GetButton(1);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->ID, "nextlvl");
    EXPECT_EQ(std::pair(next->X, next->Y), std::pair(416, 360));
}

TEST_F(ShellTest, MusicTimerRestartsTheAmbienceEveryEightySeconds) {
    S().StartPlay(1);
    sounds_.clear();
    S().Frame();
    EXPECT_TRUE(sounds_.empty());
    AdvanceClock(80.5);
    S().Frame();
    EXPECT_EQ(sounds_, std::vector<std::string>{"play ambience"});
    S().Frame();
    EXPECT_EQ(sounds_.size(), 1u);  // counted again from that tick

    Flags().MusicEnabled = false;  // switched off: the timer fires but stays silent
    AdvanceClock(81);
    S().Frame();
    EXPECT_EQ(sounds_.size(), 1u);
}

TEST_F(ShellTest, ToggleClickedInPlaySwitchesTheFlag) {
    S().StartPlay(1);
    sounds_.clear();
    SetMouse(115 + 7, 24 + 7, 1);
    S().Frame();
    EXPECT_FALSE(Flags().MusicEnabled);
    EXPECT_EQ(sounds_,
              (std::vector<std::string>{"play buttonclick", "play buttonclick", "stop ambience"}));
    S().Frame();  // still held: a check box fires once per press
    EXPECT_EQ(sounds_.size(), 3u);
}

TEST_F(ShellTest, EscapeHeldEndsPlayBeforeTheNextFrame) {
    S().StartPlay(1);
    PressKey(presentation::scan::Escape);
    const int shown = test::pt::ShownFrames();
    S().Frame();
    EXPECT_EQ(S().Screen(), Screen::Ended);
    EXPECT_EQ(test::pt::ShownFrames(), shown);
}

TEST_F(ShellTest, TheCloseButtonEndsTheGameFromTheDialogAsFromPlay) {
    world::LevelMap first = test::FramedLevel(10, 10);
    first.At(11, 10) = world::StairDown;
    WriteLevel(1, first);
    S().StartPlay(1);
    Frames(S(), {presentation::scan::Right});
    ASSERT_EQ(S().Screen(), Screen::LevelComplete);
    test::pt::RequestClose();
    S().Frame();
    EXPECT_EQ(S().Screen(), Screen::Ended);
    EXPECT_EQ(Game().LevelNumber, 1);  // nothing more was played
}

TEST_F(ShellTest, ShutdownLeavesNoReferenceToTheToggles) {
    S().StartPlay(1);
    S().Frame();
    shell_.reset();
    EXPECT_EQ(Flags().SoundToggleState, nullptr);
    EXPECT_EQ(Flags().MusicToggleState, nullptr);
}

}  // namespace
}  // namespace app
