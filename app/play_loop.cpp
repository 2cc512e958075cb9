// Start-up, the play loop and shutdown, all on the game thread.
#include "app/play_loop.h"

#include <cstdio>

#include "app/flags.h"
#include "app/game_timer.h"
#include "app/sound_bank.h"
#include "gui/error_window.h"
#include "gui/frame_pacer.h"
#include "presentation/screen_services.h"

namespace app {

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr int FramesPerSecond = 60;
constexpr int MusicRestartSeconds = 80;

// What the play loop owns for the whole run.
struct PlaySession {
    GameTimer MusicTimer{"", MusicRestartSeconds, GameTimer::Repeating, RestartAmbience};
    gui::FramePacer Pacer{FramesPerSecond};
};

void DrawFrame() {
    presentation::LockScreen();
    presentation::ClearScreen();
    presentation::UnlockScreen(-1, -1);
}

void PlayLoop(PlaySession& session) {
    while (presentation::IsKeyDown(presentation::scan::Escape) == 0) {
        session.MusicTimer.Tick();
        DrawFrame();
        session.Pacer.Wait();
    }
}

}  // namespace

int RunGame(int argc, char** argv) {
    RegisterSounds();
    gui::ShowErrorWindow(1, argc, argv);  // "ERROR" as argument 1: only the error window runs
    if (!presentation::OpenScreen(ScreenWidth, ScreenHeight, 32)) {
        // Without a window there is nothing to play; say so instead of running blind.
        std::fprintf(stderr, "game: cannot open a %dx%d window (is a display available?)\n",
                     ScreenWidth, ScreenHeight);
        return 1;
    }
    presentation::SeedRandom(presentation::TimerSeconds());
    {
        PlaySession session;
        RestartAmbience("");  // both flags are on at start-up: the music starts
        PlayLoop(session);
    }
    presentation::CloseScreen();
    return 0;
}

}  // namespace app
