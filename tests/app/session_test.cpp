// A whole headless session in the start-up order of the program, with the real sample-player
// library behind the sounds: the menu, play, a death, the respawn, a finished level and the next
// one, then Escape and the shutdown. Under the sanitizers LeakSanitizer then finds nothing.
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "app/flags.h"
#include "app/shell.h"
#include "app/sound_bank.h"
#include "tests/app/play_test_support.h"
#include "tests/app/sound_library_support.h"

namespace app::test {
namespace {

namespace scan = presentation::scan;

// The player's hand on the keys and the mouse before each frame of the shell: play from the menu,
// give up once, respawn, walk onto the open exit, go on at the dialog, and leave on level 2.
class Player {
  public:
    int Deaths = 0;
    int Respawns = 0;

    void Act(Shell& shell) {
        pt::ReleaseAllKeys();
        pt::SetMouse(0, 0, 0);
        switch (shell.Screen()) {
            case Screen::Menu:
                return pt::SetMouse(450, 300, 1);  // the play button
            case Screen::LevelComplete:
                return pt::SetMouse(416 + 20, 360 + 10, 1);  // "nextlvl"
            case Screen::Dead:
                if (!wasDead_) ++Deaths;
                wasDead_ = true;
                return pt::SetMouse(416 + 20, 360 + 10, 1);  // "respawn"
            default:
                break;
        }
        const world::GameState& g = shell.Play().Game();
        if (g.LevelNumber == 2) return pt::PressKey(scan::Escape);
        if (wasDead_) ++Respawns;
        wasDead_ = false;
        if (Deaths == 0) return pt::PressKey(scan::Enter);  // give up once
        if (!g.Player.KeyLatch) pt::PressKey(scan::Right);  // onto the open exit
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
    {
        // As the program runs, less the window: the sounds, then the shell's screens until the
        // game ends.
        RegisterSounds();
        Shell shell(world::LevelFolder("lvl"), presentation::TimerSeconds());
        for (int frame = 0; frame < 1000 && shell.Screen() != Screen::Ended; ++frame) {
            player.Act(shell);
            shell.Frame();
        }
        EXPECT_EQ(shell.Screen(), Screen::Ended);
        EXPECT_EQ(shell.Play().Game().LevelNumber, 2);
        EXPECT_EQ(std::pair(shell.Play().Game().Player.X, shell.Play().Game().Player.Y),
                  std::pair(30, 30));
    }
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
