// The shell's screens and loop; see shell.h. Game thread.
#include "app/shell.h"

#include <cstdio>
#include <utility>

#include "app/demo_show.h"
#include "app/edit_options.h"
#include "app/flags.h"
#include "app/level_complete.h"
#include "app/level_editor.h"
#include "app/paused_notice.h"
#include "app/report_error.h"
#include "app/sound.h"
#include "app/sound_bank.h"
#include "app/widget_events.h"
#include "gui/error_window.h"
#include "presentation/screen_services.h"
#include "view/scene.h"

namespace app {

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;
constexpr int FramesPerSecond = 60;
constexpr int MusicRestartSeconds = 80;

// Escape held or the window's close button: what ends the menu and play.
bool QuitAsked() {
    return presentation::QuitRequested();
}

// Space in the level-code box is a character typed, not a press of the play button.
bool TypingSpace(const MainMenu& menu) {
    return menu.Gui.GetTextBox(menu.CodeBox)->Focused &&
           presentation::IsKeyDown(presentation::scan::Space);
}

}  // namespace

Shell::Shell(const world::LevelFolder& levels, double seed)
    : session_(levels, seed),
      view_(HandleWidgetEvent),
      musicTimer_("", MusicRestartSeconds, GameTimer::Repeating, RestartAmbience),
      pacer_(FramesPerSecond) {
    RestartAmbience("");  // both flags are on at start-up: the music starts
    menu_ = std::make_unique<MainMenu>(session_.Levels());
    if (menu_->BackdropError) screen_ = app::Screen::Error;
}

Shell::~Shell() {
    // The toggles die with the GUI: leave no reference to them behind for the event handler.
    ProgramFlags& flags = Flags();
    if (soundToggle_ && flags.SoundToggleState == &soundToggle_->State)
        flags.SoundToggleState = nullptr;
    if (musicToggle_ && flags.MusicToggleState == &musicToggle_->State)
        flags.MusicToggleState = nullptr;
}

void Shell::Frame() {
    // The close button ends the game from every screen, the dialogs included; the error screen
    // waits for the error window, whose own close button ends it.
    if (presentation::CloseRequested() && screen_ != app::Screen::Error) {
        screen_ = app::Screen::Ended;
        return;
    }
    switch (screen_) {
        case app::Screen::Menu:
            return MenuFrame();
        case app::Screen::Playing:
        case app::Screen::Dead:
            controls_.Read();
            if (QuitAsked() || controls_.Held()[Action::Quit]) {
                screen_ = app::Screen::Ended;
                return;
            }
            if (StandsStill()) return PausedFrame();
            // The session knows whether the player is dead: the button is served from the
            // frame after the death, whoever stepped the world.
            return session_.Screen() == app::Screen::Dead ? DeadFrame() : PlayingFrame();
        case app::Screen::LevelComplete:
            return LevelCompleteFrame();
        case app::Screen::Error:
            return ErrorFrame();
        case app::Screen::Ended:
            return;
    }
}

void Shell::MenuFrame() {
    const bool typingSpace = TypingSpace(*menu_);
    menu_->Frame();
    controls_.Read();
    // Enter, Space or pad A press the play button, as a click would.
    if (!typingSpace && controls_.TakeConfirm()) HandleWidgetEvent("menu-play");
    ProgramFlags& flags = Flags();
    if (flags.QuitRequested || QuitAsked() || controls_.Held()[Action::Quit]) {
        screen_ = app::Screen::Ended;
    } else if (flags.PlayRequested) {
        StartPlay(menu_->ChosenLevel());
    }
}

// The menu's objects go before play starts; the level is loaded and the play screen's toggles
// added, showing the flags.
void Shell::StartPlay(std::int32_t levelNumber, bool entered) {
    menu_.reset();
    if (entered) {
        session_.Game().LevelNumber = levelNumber - 1;
        session_.NextLevel();
    } else {
        session_.Start(levelNumber);
    }
    presentation::ClearScreen();
    shown_.reset();
    AddToggles();
    FollowSession();
}

void Shell::UseOneLevel(const std::filesystem::path& file) {
    session_ = app::Session(world::LevelFolder::OneFile(file, 1), presentation::TimerSeconds());
    oneLevel_ = true;
    dialog_.reset();
    Flags().NextLevelRequested = false;
}

// Added once: a shell that starts play again (an editor's test plays) keeps its toggles.
void Shell::AddToggles() {
    if (soundToggle_) return;
    ProgramFlags& flags = Flags();
    gui_.AddLabel(10, 10, "Sound ON/OFF  ");
    gui_.AddLabel(10, 25, "Music ON/OFF  ");
    soundToggle_ = gui_.GetCheckBox(gui_.AddCheckBox(115, 9, "sound", HandleWidgetEvent));
    flags.SoundToggleState = &soundToggle_->State;
    soundToggle_->State = static_cast<std::uint8_t>(flags.SoundEnabled);
    musicToggle_ = gui_.GetCheckBox(gui_.AddCheckBox(115, 24, "music", HandleWidgetEvent));
    flags.MusicToggleState = &musicToggle_->State;
    musicToggle_->State = static_cast<std::uint8_t>(flags.MusicEnabled);
}

void Shell::PlayingFrame() {
    StepWorld(source_ ? source_() : controls_.ForWorld());
}

// The button is only there while the player is dead; a press restarts the level before the frame
// is drawn, so the frame of the click already shows the restarted level.
void Shell::DeadFrame() {
    ProgramFlags& flags = Flags();
    flags.RespawnRequested = false;
    view_.RespawnGui.Update();
    if (!source_ && controls_.TakeConfirm()) HandleWidgetEvent("respawn");
    const bool pressed = std::exchange(flags.RespawnRequested, false);
    world::FrameInput input = source_ ? source_() : controls_.ForWorld();
    if (!source_) input.Respawn = pressed;
    StepWorld(input);
}

void Shell::StepWorld(const world::FrameInput& input) {
    session_.Step(input);
    if (session_.Screen() == app::Screen::LevelComplete) return FollowSession();
    EndPlayFrame();
}

// The rest of a frame of play: the toggles, the music timer, the scene and the widgets drawn as
// one frame, the pacer's wait.
void Shell::EndPlayFrame() {
    gui_.Update();
    musicTimer_.Tick();
    if (const Picture now = PictureNow(); shown_ != now) {
        presentation::LockScreen();
        view::DrawScene(session_.Game(), view_);
        gui_.Draw();
        presentation::UnlockScreen(-1, -1);
        shown_ = now;
    }
    pacer_.Wait();
    FollowSession();
}

Shell::Picture Shell::PictureNow() const {
    const presentation::MouseState mouse = presentation::GetMouse();
    Picture now;
    now.Scene = view::SceneKeyOf(session_.Game());
    now.Mouse = {mouse.X, mouse.Y, mouse.Buttons, mouse.Clip};
    if (soundToggle_) now.Toggles[0] = soundToggle_->State;
    if (musicToggle_) now.Toggles[1] = musicToggle_->State;
    return now;
}

// The dialog stands over the last frame drawn; "nextlvl" lets the finishing frame go on in the
// next level, which that same frame then shows.
void Shell::LevelCompleteFrame() {
    ProgramFlags& flags = Flags();
    controls_.Read();
    dialog_->Update();
    if (controls_.TakeConfirm()) HandleWidgetEvent("nextlvl");
    if (flags.NextLevelRequested) {
        flags.NextLevelRequested = false;
        dialog_.reset();
        if (oneLevel_) {
            screen_ = app::Screen::Ended;
            return;
        }
        session_.NextLevel();
        if (session_.Screen() == app::Screen::Error) return FollowSession();
        return EndPlayFrame();
    }
    presentation::LockScreen();
    dialog_->Draw();
    presentation::UnlockScreen(-1, -1);
    shown_.reset();  // the dialog stands over the picture now
    pacer_.Wait();
}

// The pause key toggles, losing the focus may pause (a setting); the music follows.
bool Shell::StandsStill() {
    const bool wasPaused = controls_.Paused();
    if (controls_.UpdatePause() != wasPaused) PauseMusic(controls_.Paused());
    return controls_.Paused();
}

// Play stands still: the last scene with "PAUSED" over it; the toggles still work.
void Shell::PausedFrame() {
    shown_.reset();  // "PAUSED" stands over the picture
    gui_.Update();
    presentation::LockScreen();
    view::DrawScene(session_.Game(), view_);
    gui_.Draw();
    DrawPausedNotice();
    presentation::UnlockScreen(-1, -1);
    pacer_.Wait();
}

// The sound library cannot hold a sample where it is: the music stops and starts afresh on
// resuming, with its restart timer counting from then.
void Shell::PauseMusic(bool paused) {
    if (paused) {
        if (Flags().MusicEnabled) StopSound("ambience");
        return;
    }
    musicTimer_ = GameTimer("", MusicRestartSeconds, GameTimer::Repeating, RestartAmbience);
    RestartAmbience("");
}

// A level file that cannot be read: the second instance shows the message, and when its window
// closes the game ends.
void Shell::ErrorFrame() {
    const std::optional<world::LevelError>& error = menu_ ? menu_->BackdropError : session_.Error();
    ReportError("ERROR", error ? error->Message() : "Could not open a level file", 1);
    screen_ = app::Screen::Ended;
}

void Shell::FollowSession() {
    screen_ = session_.Screen();
    if (screen_ != app::Screen::LevelComplete || dialog_) return;
    dialog_ = std::make_unique<gui::GUI>();
    Flags().NextLevelRequested = false;
    // One level on its own leads nowhere: its dialog says the end, as the last level's does.
    const std::int32_t finished = oneLevel_ ? LevelCodeCount : session_.Game().LevelNumber;
    BuildLevelCompleteDialog(*dialog_, LevelCodeTable{}, finished);
}

namespace {

// The level file "--edit" or "--level" names (made absolute from the data folder for "--edit N"),
// checked before any window opens: 0, or 2 after one message.
int LevelFileToUse(const EditOptions& options, const world::LevelFolder& levels,
                   std::filesystem::path& file) {
    if (!options.Error.empty()) {
        std::fprintf(stderr, "game: %s\n", options.Error.c_str());
        return 2;
    }
    std::error_code ec;
    file = options.EditLevel ? std::filesystem::absolute(levels.FileOf(options.EditLevel), ec)
                             : std::filesystem::path(options.File);
    if (options.PlayFile && !world::ReadLevelFile(file)) {
        std::fprintf(stderr, "game: cannot read the level file %s\n", file.c_str());
        return 2;
    }
    return 0;
}

}  // namespace

int RunGame(int argc, char** argv, const SolutionReader& solution) {
    const world::LevelFolder levels("lvl");
    std::optional<demo::Demo> shown;
    if (const int status = DemoToShow(ReadDemoOptions(argc, argv), solution, levels, shown))
        return status;
    const EditOptions edit = ReadEditOptions(argc, argv);
    std::filesystem::path levelFile;
    if (const int status = LevelFileToUse(edit, levels, levelFile)) return status;
    RegisterSounds();
    gui::ShowErrorWindow(1, argc, argv);  // "ERROR" as argument 1: only the error window runs
    if (!presentation::OpenScreen(ScreenWidth, ScreenHeight, 32)) {
        // Without a window there is nothing to play; say so instead of running blind.
        std::fprintf(stderr, "game: cannot open a %dx%d window (is a display available?)\n",
                     ScreenWidth, ScreenHeight);
        return 1;
    }
    {
        Shell shell(levels, presentation::TimerSeconds());
        shell.UseSettings(StartupSettings());
        if (edit.Edit)
            RunEditor(shell, levelFile);
        else if (edit.PlayFile)
            PlayLevelFile(shell, levelFile);
        else if (shown)
            ShowDemo(shell, *shown);
        else
            PlayRecorded(shell, ReadDemoOptions(argc, argv).Record);
    }  // shutdown: the menu if still open, the timer, the play screen's GUI, the view
    presentation::CloseScreen();
    return 0;
}

}  // namespace app
