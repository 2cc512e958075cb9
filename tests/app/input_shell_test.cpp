// The shell with only a keyboard or only a pad, on the memory screen: the dialogs' buttons from
// Enter, Space and pad A, Enter in the level-code box, pause with its notice and the music, the
// pause on focus loss, and the walk on a held key.
#include <gtest/gtest.h>

#include "app/level_codes.h"
#include "app/settings.h"
#include "app/shell.h"
#include "presentation/gamepad.h"
#include "tests/app/play_test_support.h"

namespace app {
namespace {

namespace scan = presentation::scan;
using presentation::PadButton;
using test::pt::SetMouse;
constexpr int PKey = 25;

class InputShellTest : public test::PlayTest {
  protected:
    InputShellTest() {
        world::LevelMap first = test::FramedLevel(10, 10);
        first.At(20, 10) = world::StairDown;  // no crystals needed: the exit is open
        WriteLevel(1, first);
        WriteLevel(2, test::FramedLevel(30, 30));
        WriteLevel(4, test::FramedLevel(40, 50));
        shell_ = NewShell();
        sounds_.clear();
    }
    ~InputShellTest() override { shell_.reset(); }

    Shell& S() { return *shell_; }
    world::GameState& Game() { return shell_->Play().Game(); }
    // One frame with these pad buttons held on pad 1 (and no keys).
    void PadFrame(std::initializer_list<PadButton> buttons) {
        presentation::PadState pad;
        pad.Id = 1;
        for (PadButton b : buttons) pad.Held[static_cast<int>(b)] = true;
        test::pt::SetPad(pad);
        S().Frame();
        test::pt::SetPad(presentation::PadState{1});
    }
    // Walks onto the open exit at (20, 10). The first frame lets go of every key: a restarted
    // level keeps the world waiting for that after the last level's finishing step.
    void Finish() {
        Frames(S(), {});
        for (int x = 10; x < 20; ++x) {
            Frames(S(), {scan::Right});
            Frames(S(), {});
        }
        ASSERT_EQ(S().Screen(), Screen::LevelComplete);
    }

    std::unique_ptr<Shell> shell_;
};

TEST_F(InputShellTest, EnterOrSpaceOnTheDeathNoticeRespawnsAndIsKeptFromTheWorld) {
    S().StartPlay(1);
    Frames(S(), {scan::Enter}, 10);  // gives up; still held, it presses nothing
    ASSERT_EQ(S().Screen(), Screen::Dead);
    for (int key : {scan::Enter, scan::Space}) {
        Frames(S(), {});
        Frames(S(), {key});
        EXPECT_EQ(S().Screen(), Screen::Playing);
        Frames(S(), {key}, 10);  // held on: neither gives up nor places TNT
        EXPECT_FALSE(Game().Player.Dead);
        EXPECT_EQ(Game().TntFuse, 0);
        Frames(S(), {});
        Frames(S(), {scan::Enter});  // pressed anew in play: gives up as always
        ASSERT_EQ(S().Screen(), Screen::Dead);
    }
    EXPECT_EQ(std::count(sounds_.begin(), sounds_.end(), "play buttonclick"), 2);
}

TEST_F(InputShellTest, SpaceOrPadAPressTheLevelCompleteButton) {
    S().StartPlay(1);
    Finish();
    Frames(S(), {scan::Space});
    EXPECT_EQ(S().Screen(), Screen::Playing);
    EXPECT_EQ(Game().LevelNumber, 2);

    S().StartPlay(1);
    Finish();
    PadFrame({PadButton::A});
    EXPECT_EQ(S().Screen(), Screen::Playing);
    EXPECT_EQ(Game().LevelNumber, 2);
    PadFrame({PadButton::A});  // still held: no TNT
    EXPECT_EQ(Game().TntFuse, 0);
}

TEST_F(InputShellTest, EnterInTheMenuStartsTheGameWithTheTypedCode) {
    SetMouse(560, 356, 1);  // the code box takes the focus
    S().Frame();
    SetMouse(560, 356, 0);
    S().Frame();
    test::pt::TypeText(LevelCodeTable{}.Code(4));
    for (int f = 0; f < 8; ++f) Frames(S(), {});
    Frames(S(), {scan::Space});  // a space typed into the box is no press of play
    EXPECT_EQ(S().Screen(), Screen::Menu);
    Frames(S(), {});
    test::pt::TypeKey("\r");
    Frames(S(), {scan::Enter});
    ASSERT_EQ(S().Screen(), Screen::Playing);
    EXPECT_EQ(Game().LevelNumber, 4);
    Frames(S(), {scan::Enter}, 5);  // the press that started the game gives nothing up
    EXPECT_FALSE(Game().Player.Dead);
}

TEST_F(InputShellTest, APadAloneStartsPlaysRespawnsAndEnds) {
    PadFrame({PadButton::A});
    ASSERT_EQ(S().Screen(), Screen::Playing);
    PadFrame({});
    PadFrame({PadButton::DpadDown});
    EXPECT_EQ(Game().Player.Y, 11);
    PadFrame({});
    PadFrame({PadButton::Back});
    ASSERT_EQ(S().Screen(), Screen::Dead);
    PadFrame({});
    PadFrame({PadButton::A});
    EXPECT_EQ(S().Screen(), Screen::Playing);
    PadFrame({PadButton::B});
    EXPECT_EQ(S().Screen(), Screen::Ended);
}

TEST_F(InputShellTest, PauseStopsTheWorldShowsTheNoticeAndPausesTheMusic) {
    S().StartPlay(1);
    S().Frame();
    const world::GameState before = Game();
    sounds_.clear();
    Frames(S(), {PKey});
    EXPECT_TRUE(S().Paused());
    EXPECT_EQ(sounds_, std::vector<std::string>{"stop ambience"});
    Frames(S(), {});
    Frames(S(), {scan::Right});
    Frames(S(), {scan::Enter});
    EXPECT_EQ(Game().Player.X, before.Player.X);
    EXPECT_EQ(Game().ColumnTimers, before.ColumnTimers);
    EXPECT_FALSE(Game().Player.Dead);
    EXPECT_EQ(At(480, 372), 0xFFFFFFu);  // the notice's frame
    EXPECT_EQ(At(481, 373), 0x000000u);

    Frames(S(), {});
    PadFrame({PadButton::Start});  // the pad's Start resumes as P does
    EXPECT_FALSE(S().Paused());
    EXPECT_EQ(sounds_.back(), "play ambience");
    Frames(S(), {scan::Right});
    EXPECT_EQ(Game().Player.X, before.Player.X + 1);
}

TEST_F(InputShellTest, LosingTheFocusPausesOnlyWhenTheSettingSaysSo) {
    for (const bool setting : {false, true}) {
        Settings s;
        s.PauseOnFocusLoss = setting;
        S().UseSettings(s);
        S().StartPlay(1);
        S().Frame();
        test::pt::SetWindowActive(false);
        S().Frame();
        EXPECT_EQ(S().Paused(), setting);
        test::pt::SetWindowActive(true);
        S().Frame();
        EXPECT_EQ(S().Paused(), setting);  // coming back does not resume: the key does
        if (setting) Frames(S(), {PKey});
        EXPECT_FALSE(S().Paused());
    }
}

TEST_F(InputShellTest, TheWalkOnAHeldKeyIsASetting) {
    for (const bool on : {false, true}) {
        Settings s;
        s.Walk = {on, 4};
        S().UseSettings(s);
        S().StartPlay(1);
        Frames(S(), {});
        Frames(S(), {scan::Right}, 9);
        EXPECT_EQ(Game().Player.X, on ? 13 : 11);
    }
}

}  // namespace
}  // namespace app
