// The main menu: its widgets and toggles at opening, the level the entry asks for when play is
// pressed, leaving by Escape or "menu-back", the toggles carried over to the play screen, and a
// missing level 1 (the error screen).
#include "app/main_menu.h"

#include <gtest/gtest.h>

#include <cctype>

#include "app/flags.h"
#include "app/shell.h"
#include "tests/app/play_test_support.h"

namespace app {
namespace {

using test::pt::PressKey;
using test::pt::ScreenPixel;
using test::pt::SetMouse;
using test::pt::TypeText;

class MainMenuTest : public test::PlayTest {
  protected:
    MainMenuTest() { WriteLevel(1, test::FramedLevel(12, 30)); }

    // Clicks at (x, y): pressed for one frame, released for the next.
    static void Click(MainMenu& menu, int x, int y) {
        SetMouse(x, y, 1);
        menu.Frame();
        SetMouse(x, y, 0);
        menu.Frame();
    }
    // Types the text into the code box (one key per frame), then presses play.
    static std::int32_t Enter(std::string_view text) {
        MainMenu menu{world::LevelFolder("lvl")};
        Click(menu, 560, 356);
        TypeText(text);
        for (std::size_t i = 0; i < text.size() + 1; ++i) menu.Frame();
        EXPECT_EQ(menu.Gui.GetTextBox(menu.CodeBox)->Text, text);
        SetMouse(450, 300, 1);
        menu.Frame();
        EXPECT_TRUE(Flags().PlayRequested);
        return menu.ChosenLevel();
    }
};

TEST_F(MainMenuTest, OpensWithItsWidgetsOverLevelOne) {
    Flags().PlayRequested = true;  // left over: cleared on entry
    Flags().QuitRequested = true;
    Flags().SoundEnabled = false;
    Flags().MusicEnabled = false;
    MainMenu menu{world::LevelFolder("lvl")};
    EXPECT_FALSE(Flags().PlayRequested);
    EXPECT_FALSE(Flags().QuitRequested);
    EXPECT_FALSE(menu.BackdropError);

    ASSERT_EQ(menu.Gui.Buttons.size(), 2u);
    const gui::Button& play = *menu.Gui.GetButton(1);
    const gui::Button& back = *menu.Gui.GetButton(2);
    EXPECT_EQ(play.ID, "menu-play");
    EXPECT_EQ(std::pair(play.X, play.Y), std::pair(416, 286));
    EXPECT_EQ(back.ID, "menu-back");
    EXPECT_EQ(std::pair(back.X, back.Y), std::pair(416, 482));
    ASSERT_EQ(menu.Gui.Labels.size(), 3u);
    const char* texts[] = {"Levelcode: ", "Sound ON/OFF  ", "Music ON/OFF  "};
    const std::pair<int, int> places[] = {{440, 350}, {10, 10}, {10, 25}};
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(menu.Gui.GetLabel(n + 1)->Text, texts[n]);
        EXPECT_EQ(std::pair(menu.Gui.GetLabel(n + 1)->X, menu.Gui.GetLabel(n + 1)->Y), places[n]);
    }
    const gui::TextBox& code = *menu.Gui.GetTextBox(menu.CodeBox);
    EXPECT_EQ(std::pair(code.X, code.Y), std::pair(535, 350));
    EXPECT_EQ(code.MaxLength, 6);
    EXPECT_EQ(code.Text, "");

    // The sound toggle always opens on, whatever the flag; the music toggle shows its flag.
    ASSERT_EQ(menu.Gui.CheckBoxes.size(), 2u);
    EXPECT_EQ(menu.SoundToggle->ID, "sound");
    EXPECT_EQ(std::pair(menu.SoundToggle->X, menu.SoundToggle->Y), std::pair(115, 9));
    EXPECT_EQ(menu.SoundToggle->State, 1);
    EXPECT_EQ(Flags().SoundToggleState, &menu.SoundToggle->State);
    EXPECT_EQ(menu.MusicToggle->ID, "music");
    EXPECT_EQ(std::pair(menu.MusicToggle->X, menu.MusicToggle->Y), std::pair(115, 24));
    EXPECT_EQ(menu.MusicToggle->State, 0);
    EXPECT_EQ(Flags().MusicToggleState, &menu.MusicToggle->State);

    // Level 1 as the still backdrop, the player on its start stair.
    EXPECT_EQ(menu.Backdrop.LevelNumber, 1);
    EXPECT_EQ(std::pair(menu.Backdrop.Player.X, menu.Backdrop.Player.Y), std::pair(12, 30));
    EXPECT_EQ(menu.Backdrop.Map.At(0, 5), world::Massive);

    // A frame is shown whole, widgets over the scene.
    const int shown = test::pt::ShownFrames();
    menu.Frame();
    EXPECT_EQ(test::pt::ShownFrames(), shown + 1);
    EXPECT_EQ(At(12, 12), 0xDDDDDDu);           // label face
    EXPECT_EQ(At(115 + 7, 9 + 7), 0x000000u);   // the sound toggle's cross
    EXPECT_EQ(At(115 + 3, 24 + 7), 0xFFFFFFu);  // the music toggle, empty
}

TEST_F(MainMenuTest, PlayStartsTheLevelTheEntryAsksFor) {
    const LevelCodeTable codes;
    std::string flipped(codes.Code(17));
    flipped[2] = std::isupper(static_cast<unsigned char>(flipped[2]))
                     ? static_cast<char>(std::tolower(static_cast<unsigned char>(flipped[2])))
                     : static_cast<char>(std::toupper(static_cast<unsigned char>(flipped[2])));
    EXPECT_EQ(Enter(codes.Code(17)), 17);
    EXPECT_EQ(Enter(flipped), 1);
    EXPECT_EQ(Enter(""), 1);
    EXPECT_EQ(Enter("50"), 50);
    EXPECT_EQ(Enter("49"), 1);
    EXPECT_EQ(Enter(codes.Code(1)), 1);
    EXPECT_EQ(Enter(codes.Code(50)), 50);
    EXPECT_EQ(Enter("9e99"), 1);  // too large for a level number
}

TEST_F(MainMenuTest, ThePlayButtonLeavesTheMenuForPlay) {
    auto shell = NewShell();
    SetMouse(450, 300, 1);  // held over the play button from the first frame
    sounds_.clear();
    shell->Frame();
    EXPECT_EQ(shell->Screen(), Screen::Playing);
    EXPECT_EQ(shell->Play().Game().LevelNumber, 1);
    EXPECT_EQ(sounds_, std::vector<std::string>{"play buttonclick"});
    // The menu's toggles are gone; the play screen's stand in their place.
    EXPECT_EQ(shell->Menu(), nullptr);
    shell.reset();
    EXPECT_EQ(Flags().SoundToggleState, nullptr);
    EXPECT_EQ(Flags().MusicToggleState, nullptr);
}

TEST_F(MainMenuTest, EscapeOrBackEndTheGameWithoutAReport) {
    auto shell = NewShell();
    PressKey(presentation::scan::Escape);
    const int shown = test::pt::ShownFrames();
    shell->Frame();
    EXPECT_EQ(shell->Screen(), Screen::Ended);
    EXPECT_EQ(test::pt::ShownFrames(), shown + 1);  // the frame is drawn, then Escape is seen
    test::pt::ReleaseAllKeys();

    shell = NewShell();
    SetMouse(450, 490, 1);  // the back button
    shell->Frame();
    EXPECT_EQ(shell->Screen(), Screen::Ended);
    EXPECT_TRUE(reports_.empty());
}

TEST_F(MainMenuTest, TogglesSwitchedInTheMenuCarryOverToThePlayScreen) {
    {
        MainMenu menu{world::LevelFolder("lvl")};
        Click(menu, 115 + 7, 9 + 7);
        Click(menu, 115 + 7, 24 + 7);
        EXPECT_EQ(menu.SoundToggle->State, 0);
        EXPECT_EQ(menu.MusicToggle->State, 0);
    }
    EXPECT_FALSE(Flags().SoundEnabled);
    EXPECT_FALSE(Flags().MusicEnabled);
    // Sound is still on at the first click (heard twice as one), off at the second.
    EXPECT_EQ(sounds_, (std::vector<std::string>{"play buttonclick", "play buttonclick",
                                                 "play buttonclick", "stop ambience"}));

    auto shell = NewShell();
    shell->StartPlay(1);
    EXPECT_EQ(*Flags().SoundToggleState, 0);
    EXPECT_EQ(*Flags().MusicToggleState, 0);

    // A menu opened again (a later start) shows sound on, music as the flag says.
    shell->Frame();
    MainMenu again{world::LevelFolder("lvl")};
    EXPECT_EQ(again.SoundToggle->State, 1);
    EXPECT_EQ(again.MusicToggle->State, 0);
    EXPECT_FALSE(Flags().SoundEnabled);  // showing on does not switch sound on
}

TEST_F(MainMenuTest, MissingLevelOneIsReportedAndTheGameEnds) {
    std::filesystem::remove("lvl/Level1.dat");
    auto shell = NewShell();
    EXPECT_EQ(shell->Screen(), Screen::Error);
    shell->Frame();
    EXPECT_EQ(shell->Screen(), Screen::Ended);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0], (std::vector<std::string>{"ERROR", "ERROR",
                                                     "Could not open file 'lvl\\Level1.dat'"}));
}

}  // namespace
}  // namespace app
