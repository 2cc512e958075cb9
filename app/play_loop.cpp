// Start-up, the play loop and shutdown, all on the game thread; see play_loop.h.
#include "app/play_loop.h"

#include <cstdio>

#include "app/flags.h"
#include "app/main_menu.h"
#include "app/sound_bank.h"
#include "app/widget_events.h"
#include "gui/error_window.h"
#include "presentation/scene.h"
#include "presentation/screen_services.h"
#include "world/game_step.h"
#include "world/level_file.h"

namespace app {

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr int FramesPerSecond = 60;
constexpr int MusicRestartSeconds = 80;

}  // namespace

PlaySession::PlaySession()
    : Game(world::InitGame()),
      MusicTimer("", MusicRestartSeconds, GameTimer::Repeating, RestartAmbience),
      Pacer(FramesPerSecond) {}

PlaySession::~PlaySession() {
    // The toggles die with the GUI: leave no reference to them behind for the event handler.
    ProgramFlags& flags = Flags();
    if (SoundToggle && flags.SoundToggleState == &SoundToggle->State)
        flags.SoundToggleState = nullptr;
    if (MusicToggle && flags.MusicToggleState == &MusicToggle->State)
        flags.MusicToggleState = nullptr;
}

void PlaySession::StartLevel(std::int32_t levelNumber) {
    Game->LevelNumber = levelNumber;
    world::LoadLevel(*Game);
    world::FindStart(*Game);
    presentation::ClearScreen();
    ProgramFlags& flags = Flags();
    Gui.AddLabel(10, 10, "Sound ON/OFF  ");
    Gui.AddLabel(10, 25, "Music ON/OFF  ");
    SoundToggle = Gui.GetCheckBox(Gui.AddCheckBox(115, 9, "sound", HandleWidgetEvent));
    flags.SoundToggleState = &SoundToggle->State;
    SoundToggle->State = static_cast<std::uint8_t>(flags.SoundEnabled);
    MusicToggle = Gui.GetCheckBox(Gui.AddCheckBox(115, 24, "music", HandleWidgetEvent));
    flags.MusicToggleState = &MusicToggle->State;
    MusicToggle->State = static_cast<std::uint8_t>(flags.MusicEnabled);
}

void PlaySession::Frame() {
    world::GameStep(*Game);  // a finished level runs its dialog in here
    Gui.Update();
    MusicTimer.Tick();
    ProgramFlags& flags = Flags();
    if (flags.RespawnRequested == 1) {
        // Acted on before drawing: the frame of the click already shows the restarted level.
        flags.RespawnRequested = 0;
        world::RestartLevel(*Game);
    }
    presentation::LockScreen();
    presentation::DrawScene(*Game);
    Gui.Draw();
    presentation::UnlockScreen(-1, -1);
    Pacer.Wait();
}

void PlaySession::Run() {
    while (!presentation::QuitRequested()) Frame();  // Escape or the close button
}

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
        session.StartLevel(RunMainMenu());
        session.Run();
    }  // shutdown: the timer, the play screen's GUI, then the game state
    presentation::CloseScreen();
    return 0;
}

}  // namespace app
