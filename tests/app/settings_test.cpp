// The settings file: every setting read, bad lines reported with their numbers and ignored, the
// defaults for a missing file, and where the file is looked for.
#include "app/settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace app {
namespace {

TEST(Settings, TheDefaultsAreTheDocumentedGame) {
    std::vector<std::string> problems;
    const Settings s = ParseSettings("", problems);
    EXPECT_FALSE(s.Walk.On);
    EXPECT_EQ(s.Walk.RepeatFrames, 8);
    EXPECT_FALSE(s.PauseOnFocusLoss);
    EXPECT_TRUE(s.Extra.Keys.empty());
    EXPECT_TRUE(s.Extra.PadButtons.empty());
    EXPECT_FALSE(s.Display.Scale || s.Display.Fullscreen);
    EXPECT_TRUE(problems.empty());
    EXPECT_FALSE(LoadSettings("/nonexistent/game/settings.ini").Walk.On);
    EXPECT_FALSE(LoadSettings("").Walk.On);
}

TEST(Settings, EverySettingIsReadAndBadLinesAreReportedOnceAndIgnored) {
    std::vector<std::string> problems;
    const Settings s = ParseSettings(
        "# my settings\r\n"
        "[game]\n"
        "Walk_On_Held_Key = On\n"
        "walk_repeat_frames=12 ; a little slower\n"
        "  pause_on_focus_loss = yes  \n"
        "scale = 2\n"
        "fullscreen = off\n"
        "key.tnt = Z\n"
        "pad.pause = y\n"
        "walk_repeat_frames = 0\n"    // 10: out of range
        "walk_on_held_key = maybe\n"  // 11: not a switch
        "key.fly = x\n"               // 12: no such action
        "key.up = f13\n"              // 13: no such key
        "nonsense\n"                  // 14: no "="
        "volume = 3\n"                // 15: no such setting
        "[broken\n"                   // 16
        "scale = 9",                  // 17: out of range, no newline at the end
        problems);
    EXPECT_TRUE(s.Walk.On);
    EXPECT_EQ(s.Walk.RepeatFrames, 12);
    EXPECT_TRUE(s.PauseOnFocusLoss);
    EXPECT_EQ(s.Display.Scale, 2);  // the bad line after it changed nothing
    EXPECT_EQ(s.Display.Fullscreen, false);
    ASSERT_EQ(s.Extra.Keys.size(), 1u);
    EXPECT_EQ(s.Extra.Keys[0], std::make_pair(44, Action::PlaceTnt));
    ASSERT_EQ(s.Extra.PadButtons.size(), 1u);
    EXPECT_EQ(s.Extra.PadButtons[0].Button, presentation::PadButton::Y);
    EXPECT_EQ(s.Extra.PadButtons[0].Does, Action::Pause);
    ASSERT_EQ(problems.size(), 8u);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(problems[i].rfind("settings.ini:" + std::to_string(10 + i) + ": ", 0), 0u)
            << problems[i];
}

TEST(Settings, TheFileIsInTheConfigHomeOrUnderHome) {
    EXPECT_EQ(SettingsPath("/x/cfg", "/home/p"), "/x/cfg/game/settings.ini");
    EXPECT_EQ(SettingsPath(nullptr, "/home/p"), "/home/p/.config/game/settings.ini");
    EXPECT_EQ(SettingsPath("relative", "/home/p"), "/home/p/.config/game/settings.ini");
    EXPECT_EQ(SettingsPath("", nullptr), "");
}

TEST(Settings, AFileIsReadAndLeftAsItWas) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("game_settings_" + std::to_string(::getpid()) + ".ini");
    const std::string text = "walk_on_held_key = on\nbad line\n";
    std::ofstream(path) << text;
    testing::internal::CaptureStderr();
    const Settings s = LoadSettings(path.string());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(s.Walk.On);
    EXPECT_EQ(err, "game: settings.ini:2: ignored, not understood: bad line\n");
    std::ifstream in(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    std::filesystem::remove(path);
}

}  // namespace
}  // namespace app
