// The play loop, run frame by frame on the memory screen: the level start with the play screen's
// toggles, a frame drawn whole with the widgets on top, a respawn request acted on before
// drawing, the music timer, Escape, and the references released at shutdown.
#include "app/play_loop.h"

#include <gtest/gtest.h>

#include "app/flags.h"
#include "tests/app/play_test_support.h"

namespace app {
namespace {

using test::pt::AdvanceClock;
using test::pt::PressKey;
using test::pt::SetMouse;

class PlayLoopTest : public test::PlayTest {
  protected:
    PlayLoopTest() {
        WriteLevel(1, test::FramedLevel(10, 10));
        WriteLevel(4, test::FramedLevel(40, 50));
    }
};

TEST_F(PlayLoopTest, StartLevelPlacesThePlayerAndAddsTheToggles) {
    Flags().SoundEnabled = 0;
    PlaySession session;
    EXPECT_TRUE(session.Gui.Labels.empty());  // no widgets before the level starts
    EXPECT_TRUE(session.Gui.CheckBoxes.empty());
    presentation::DrawLine(presentation::Screen, 0, 0, 1023, 767, 0x123456,
                           presentation::LineKind::FilledBox);
    session.StartLevel(4);
    EXPECT_EQ(session.Game->LevelNumber, 4);
    EXPECT_EQ(std::pair(session.Game->Player.X, session.Game->Player.Y), std::pair(40, 50));
    EXPECT_EQ(At(500, 500), 0x000000u);  // cleared

    ASSERT_EQ(session.Gui.Labels.size(), 2u);
    EXPECT_EQ(session.Gui.GetLabel(1)->Text, "Sound ON/OFF  ");
    EXPECT_EQ(std::pair(session.Gui.GetLabel(1)->X, session.Gui.GetLabel(1)->Y), std::pair(10, 10));
    EXPECT_EQ(session.Gui.GetLabel(2)->Text, "Music ON/OFF  ");
    EXPECT_EQ(std::pair(session.Gui.GetLabel(2)->X, session.Gui.GetLabel(2)->Y), std::pair(10, 25));
    ASSERT_EQ(session.Gui.CheckBoxes.size(), 2u);
    EXPECT_EQ(session.SoundToggle, session.Gui.GetCheckBox(1));
    EXPECT_EQ(session.SoundToggle->ID, "sound");
    EXPECT_EQ(std::pair(session.SoundToggle->X, session.SoundToggle->Y), std::pair(115, 9));
    EXPECT_EQ(session.SoundToggle->State, 0);  // shows the flag
    EXPECT_EQ(Flags().SoundToggleState, &session.SoundToggle->State);
    EXPECT_EQ(session.MusicToggle->ID, "music");
    EXPECT_EQ(std::pair(session.MusicToggle->X, session.MusicToggle->Y), std::pair(115, 24));
    EXPECT_EQ(session.MusicToggle->State, 1);
    EXPECT_EQ(Flags().MusicToggleState, &session.MusicToggle->State);
}

TEST_F(PlayLoopTest, FramesDrawTheSceneWithTheTogglesOnTop) {
    PlaySession session;
    session.StartLevel(1);
    // A dead notice of one colour, to see the scene's player part.
    session.Game->Player.Sprites.DeadNotice = presentation::CreateImage(250, 96, 0xC00001);
    const int shown = test::pt::ShownFrames();
    const double slept = test::pt::SleptMilliseconds();
    for (int frame = 0; frame < 120; ++frame) session.Frame();
    EXPECT_EQ(test::pt::ShownFrames(), shown + 120);               // one whole frame each
    EXPECT_GE(test::pt::SleptMilliseconds() - slept, 119 * 16.0);  // paced at 60 a second
    EXPECT_EQ(At(12, 12), 0xDDDDDDu);                              // label face over the scene
    EXPECT_EQ(At(115 + 7, 9 + 7), 0x000000u);                      // the sound toggle's cross
    EXPECT_NE(At(387 + 125, 259 + 48), 0xC00001u);

    session.Game->Player.Dead = 1;
    session.Frame();
    EXPECT_EQ(At(387 + 125, 259 + 48), 0xC00001u);
}

TEST_F(PlayLoopTest, RespawnRequestRestartsTheLevelBeforeTheFrameIsDrawn) {
    PlaySession session;
    session.StartLevel(1);
    session.Game->Player.Sprites.DeadNotice = presentation::CreateImage(250, 96, 0xC00001);
    world::GameState& game = *session.Game;
    game.Player.Dead = 1;
    game.Player.X = 30;
    game.Collected() = 4;
    game.Dug() = 9;
    game.Player.HasPickaxe = 1;
    game.Map.At(10, 11) = world::Empty;
    Flags().RespawnRequested = 1;
    session.Frame();
    EXPECT_EQ(Flags().RespawnRequested, 0);
    EXPECT_EQ(game.Player.Dead, 0);
    EXPECT_EQ(std::pair(game.Player.X, game.Player.Y), std::pair(10, 10));
    EXPECT_EQ(game.Collected(), 0);
    EXPECT_EQ(game.Dug(), 0);
    EXPECT_EQ(game.Player.HasPickaxe, 0);
    EXPECT_EQ(game.Map.At(10, 11), world::Earth);  // the level as its file has it
    EXPECT_EQ(game.LevelNumber, 1);
    EXPECT_NE(At(387 + 125, 259 + 48), 0xC00001u);  // this very frame shows the player alive
}

TEST_F(PlayLoopTest, RespawnOfALevelWhoseFileIsGoneIsReported) {
    PlaySession session;
    session.StartLevel(4);
    std::filesystem::remove("lvl/Level4.dat");
    Flags().RespawnRequested = 1;
    EXPECT_EQ(test::EndStatus([&] { session.Frame(); }), 0);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_EQ(reports_[0].back(), "Could not open file 'lvl\\Level4.dat'");
}

TEST_F(PlayLoopTest, MusicTimerRestartsTheAmbienceEveryEightySeconds) {
    PlaySession session;
    session.StartLevel(1);
    session.Frame();
    EXPECT_TRUE(sounds_.empty());
    AdvanceClock(80.5);
    session.Frame();
    EXPECT_EQ(sounds_, std::vector<std::string>{"play ambience"});
    session.Frame();
    EXPECT_EQ(sounds_.size(), 1u);  // counted again from that tick

    Flags().MusicEnabled = 0;  // switched off: the timer fires but stays silent
    AdvanceClock(81);
    session.Frame();
    EXPECT_EQ(sounds_.size(), 1u);
}

TEST_F(PlayLoopTest, ToggleClickedInPlaySwitchesTheFlag) {
    PlaySession session;
    session.StartLevel(1);
    SetMouse(115 + 7, 24 + 7, 1);
    session.Frame();
    EXPECT_EQ(Flags().MusicEnabled, 0);
    EXPECT_EQ(sounds_,
              (std::vector<std::string>{"play buttonclick", "play buttonclick", "stop ambience"}));
    session.Frame();  // still held: a check box fires once per press
    EXPECT_EQ(sounds_.size(), 3u);
}

TEST_F(PlayLoopTest, EscapeHeldEndsTheLoopBeforeTheNextFrame) {
    PlaySession session;
    session.StartLevel(1);
    PressKey(presentation::scan::Escape);
    const int shown = test::pt::ShownFrames();
    session.Run();
    EXPECT_EQ(test::pt::ShownFrames(), shown);
}

TEST_F(PlayLoopTest, ShutdownLeavesNoReferenceToTheToggles) {
    {
        PlaySession session;
        session.StartLevel(1);
        session.Frame();
    }
    EXPECT_EQ(Flags().SoundToggleState, nullptr);
    EXPECT_EQ(Flags().MusicToggleState, nullptr);
}

}  // namespace
}  // namespace app
