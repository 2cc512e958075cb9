// HandleWidgetEvent: the click sound, the request flags, the toggles through their State
// references, "menu-back" asking to end the game, and the handler driven by real widgets.
#include "app/widget_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/flags.h"
#include "app/sound.h"
#include "gui/gui.h"
#include "tests/gui/widget_test_support.h"

namespace app {
namespace {

class WidgetEventsTest : public gui::test::WidgetTest {
  protected:
    WidgetEventsTest() {
        ResetFlags();
        previousSound_ = SetSoundCalls(
            {[](std::string_view, std::string_view) {},
             [this](std::string_view alias) { calls_.push_back("play " + std::string(alias)); },
             [this](std::string_view alias) { calls_.push_back("stop " + std::string(alias)); }});
    }
    ~WidgetEventsTest() override {
        SetSoundCalls(previousSound_);
        ResetFlags();
    }

    std::vector<std::string> calls_;
    SoundCalls previousSound_;
};

TEST_F(WidgetEventsTest, RequestButtonsRaiseTheirFlagsWithAClick) {
    HandleWidgetEvent("menu-play");
    HandleWidgetEvent("respawn");
    HandleWidgetEvent("nextlvl");
    EXPECT_EQ(Flags().PlayRequested, 1);
    EXPECT_EQ(Flags().RespawnRequested, 1);
    EXPECT_EQ(Flags().NextLevelRequested, 1);
    EXPECT_EQ(calls_, std::vector<std::string>(3, "play buttonclick"));

    calls_.clear();
    Flags().SoundEnabled = 0;
    HandleWidgetEvent("menu-play");
    HandleWidgetEvent("Menu-Play");  // ids are compared exactly
    HandleWidgetEvent("");
    EXPECT_TRUE(calls_.empty());
}

TEST_F(WidgetEventsTest, MenuBackAsksTheMenuToEndTheGame) {
    HandleWidgetEvent("menu-back");
    EXPECT_TRUE(Flags().QuitRequested);  // the menu's screen ends the game; nothing exits here
    EXPECT_EQ(calls_, std::vector<std::string>{"play buttonclick"});
}

TEST_F(WidgetEventsTest, SoundToggleFollowsItsStateAndIsAlwaysHeard) {
    std::uint8_t state = 0;
    Flags().SoundToggleState = &state;
    HandleWidgetEvent("sound");
    EXPECT_EQ(Flags().SoundEnabled, 0);
    EXPECT_EQ(calls_, (std::vector<std::string>{"play buttonclick", "play buttonclick"}));

    calls_.clear();
    state = 1;
    HandleWidgetEvent("sound");  // sound was off: only the toggle's own click
    EXPECT_EQ(Flags().SoundEnabled, 1);
    EXPECT_EQ(calls_, std::vector<std::string>{"play buttonclick"});
}

TEST_F(WidgetEventsTest, MusicToggleStopsAndRestartsTheAmbience) {
    std::uint8_t state = 0;
    Flags().MusicToggleState = &state;
    Flags().SoundEnabled = 0;
    HandleWidgetEvent("music");
    EXPECT_EQ(Flags().MusicEnabled, 0);
    EXPECT_EQ(calls_, (std::vector<std::string>{"play buttonclick", "stop ambience"}));

    calls_.clear();
    state = 1;
    HandleWidgetEvent("music");
    EXPECT_EQ(Flags().MusicEnabled, 1);
    EXPECT_EQ(calls_, (std::vector<std::string>{"play buttonclick", "play ambience"}));
}

TEST_F(WidgetEventsTest, TogglesWithoutAStateReferenceLeaveTheFlagsAlone) {
    HandleWidgetEvent("sound");
    HandleWidgetEvent("music");
    EXPECT_EQ(Flags().SoundEnabled, 1);
    EXPECT_EQ(Flags().MusicEnabled, 1);
}

TEST_F(WidgetEventsTest, HeldButtonCallsEveryFrameCheckBoxOncePerPress) {
    gui::GUI gui;
    gui.AddTextButton("Play", 10, 10, "menu-play", HandleWidgetEvent);
    gui.AddCheckBox(100, 10, "sound", HandleWidgetEvent);
    gui::CheckBox& toggle = *gui.GetCheckBox(1);
    Flags().SoundToggleState = &toggle.State;
    toggle.State = 1;

    Press(15, 15);
    for (int frame = 0; frame < 3; ++frame) gui.Update();
    EXPECT_EQ(calls_, std::vector<std::string>(3, "play buttonclick"));

    calls_.clear();
    Release(105, 15);
    gui.Update();
    Press(105, 15);
    for (int frame = 0; frame < 3; ++frame) gui.Update();
    EXPECT_EQ(toggle.State, 0);
    EXPECT_EQ(Flags().SoundEnabled, 0);
    EXPECT_EQ(calls_, (std::vector<std::string>{"play buttonclick", "play buttonclick"}));
}

}  // namespace
}  // namespace app
