// A whole headless session in the start-up order of the program, with the real sample-player
// library behind the sounds: the menu, play, a death, the respawn, a finished level and the next
// one, then Escape and the shutdown. Under the sanitizers LeakSanitizer then finds nothing.
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "app/flags.h"
#include "app/main_menu.h"
#include "app/play_loop.h"
#include "app/sound_bank.h"
#include "tests/app/play_test_support.h"
#include "tests/app/sound_library_support.h"
#include "world/game_step.h"

namespace app::test {
namespace {

namespace scan = presentation::scan;

// The player's hand on the keys and the mouse, acting at the end of every sleep: once per frame
// of the menu and the play loop (from their second frame on), and in every frame of the
// level-complete dialog.
class Player {
  public:
    PlaySession* Session = nullptr;  // set once the menu has ended
    int Deaths = 0;
    int Respawns = 0;

    void OnSleep() {
        pt::ReleaseAllKeys();
        if (!Session) return pt::SetMouse(450, 300, 1);  // the menu's play button
        world::GameState& g = *Session->Game;
        const world::Player& p = g.Player;
        if (!p.Dead && g.Map.At(p.X, p.Y) == world::StairDown &&
            g.CollectedPanel.Value >= g.NeededPanel.Value) {
            // The level-complete dialog: press "nextlvl" until it lets go.
            return pt::SetMouse(416 + 20, 360 + 10, Flags().NextLevelRequested ? 0 : 1);
        }
        pt::SetMouse(0, 0, 0);
        if (g.LevelNumber == 2) return pt::PressKey(scan::Escape);
        if (p.Dead) {
            if (!wasDead_) ++Deaths;
            wasDead_ = true;
            return pt::SetMouse(416 + 20, 360 + 10, 1);  // "respawn"
        }
        if (wasDead_) ++Respawns;
        wasDead_ = false;
        if (Deaths == 0) return pt::PressKey(scan::Enter);  // give up once
        if (p.KeyLatch == 0) pt::PressKey(scan::Right);     // onto the open exit
    }

  private:
    bool wasDead_ = false;
};

class SessionTest : public PlayTest {};

TEST_F(SessionTest, MenuPlayDeathRespawnLevelChangeAndEscapeLeaveNothingBehind) {
    world::LevelMap first = FramedLevel(10, 10);
    first.At(11, 10) = world::StairDown;  // no crystals needed: the exit is open
    WriteLevel(1, first);
    WriteLevel(2, FramedLevel(30, 30));
    SetSoundCalls(LibraryCalls());  // the fixture puts its recorder back at the end
    Player player;
    pt::SetSleepHook([&player] { player.OnSleep(); });
    {
        // As the program starts, less the window: the sounds, the random sequence, the play
        // state, the music, the menu, the level and the play loop until Escape.
        RegisterSounds();
        presentation::SeedRandom(presentation::TimerSeconds());
        PlaySession session;
        RestartAmbience("");
        const std::int32_t level = RunMainMenu();
        EXPECT_EQ(level, 1);
        player.Session = &session;
        session.StartLevel(level);
        session.Run();
        EXPECT_EQ(session.Game->LevelNumber, 2);
        EXPECT_EQ(std::pair(session.Game->Player.X, session.Game->Player.Y), std::pair(30, 30));
    }
    pt::SetSleepHook(nullptr);
    EXPECT_EQ(player.Deaths, 1);
    EXPECT_EQ(player.Respawns, 1);
    EXPECT_EQ(Flags().SoundToggleState, nullptr);
    EXPECT_EQ(Flags().MusicToggleState, nullptr);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_EQ(__lsan_do_recoverable_leak_check(), 0);
#endif
}

}  // namespace
}  // namespace app::test
