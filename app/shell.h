// The shell: the game's screens in the window and the one loop that runs them. Each screen has one
// frame function: the menu, playing, dead (the "respawn" button), level complete (the dialog with
// the next code) and error (the second instance's error window). Game thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/game_timer.h"
#include "app/main_menu.h"
#include "app/play_controls.h"
#include "app/session.h"
#include "demo/demo.h"
#include "gui/frame_pacer.h"
#include "gui/gui.h"
#include "view/play_view.h"
#include "view/scene.h"

namespace app {

// Level N's proven solution as a demo, or nothing and a message for the player.
using SolutionReader =
    std::function<std::optional<demo::Demo>(std::int32_t level, std::string* error)>;

class Shell {
  public:
    // What play owns for the whole run, in the start-up order: the play view with all its
    // pictures, the play screen's GUI, the music timer, the pacer; then the menu is opened.
    Shell(const world::LevelFolder& levels, double seed);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // One frame of the current screen. Escape held before a frame of play ends the game, and so
    // does Escape held after a frame of the menu; the dialogs do not look at it. The window's
    // close button ends the game from every screen.
    void Frame();
    app::Screen Screen() const { return screen_; }

    // The player's settings (the defaults until this is called).
    void UseSettings(const Settings& settings) { controls_.Use(settings); }
    bool Paused() const { return controls_.Paused(); }

    // Leaves the menu for play on this level (what the menu's play button leads to). Entered: as
    // when the level before was finished and "nextlvl" pressed (a demo that began so).
    void StartPlay(std::int32_t levelNumber, bool entered = false);
    // From now on play reads only this level file, as level 1 (a level made outside lvl/, an edit
    // being tried): a fresh session, and finishing it ends play instead of going on (the dialog
    // shows no next code). The next StartPlay(1) starts it.
    void UseOneLevel(const std::filesystem::path& file);
    bool OneLevel() const { return oneLevel_; }

    // Frames of play take their input from this instead of the keyboard and the button (a demo
    // being shown); none: the player's.
    void SetInputSource(std::function<world::FrameInput()> source) { source_ = std::move(source); }
    gui::FramePacer& Pacer() { return pacer_; }

    // The frames of each screen, one call a frame.
    void MenuFrame();
    void PlayingFrame();
    void DeadFrame();
    void LevelCompleteFrame();
    void ErrorFrame();

    app::Session& Play() { return session_; }
    const MainMenu* Menu() const { return menu_.get(); }
    const gui::GUI* Dialog() const { return dialog_.get(); }
    view::PlayView& View() { return view_; }

  private:
    void AddToggles();
    void StepWorld(const world::FrameInput& input);
    void EndPlayFrame();
    void FollowSession();
    bool StandsStill();
    void PausedFrame();
    void PauseMusic(bool paused);

    app::Session session_;
    view::PlayView view_;
    gui::GUI gui_;           // the play screen's option toggles
    GameTimer musicTimer_;   // restarts "ambience" every 80 seconds
    gui::FramePacer pacer_;  // 60 frames per second
    std::unique_ptr<MainMenu> menu_;
    std::unique_ptr<gui::GUI> dialog_;  // the level-complete dialog while it is open
    app::Screen screen_ = app::Screen::Menu;
    PlayControls controls_;  // keyboard and pads: the world's input, dialog keys, pause
    gui::CheckBox* soundToggle_ = nullptr;
    gui::CheckBox* musicToggle_ = nullptr;
    std::function<world::FrameInput()> source_;
    bool oneLevel_ = false;  // UseOneLevel

    // What the last frame of play drawn showed: a frame that would show the same is not drawn
    // again (the screen still holds it), which spares the frame's blits and the window's copy.
    struct Picture {
        view::SceneKey Scene;
        std::array<std::int32_t, 4> Mouse{};    // the GUI's hover and press
        std::array<std::uint8_t, 2> Toggles{};  // the sound and music check boxes
        bool operator==(const Picture&) const = default;
    };
    Picture PictureNow() const;
    std::optional<Picture> shown_;  // none: the screen holds something else
};

// Runs the whole program and returns its exit status: 0 on every way the game ends, 1 when no
// window can be opened.
// `solution` gives level N's proven solution as a demo for "--watch N" (none: not available).
int RunGame(int argc, char** argv, const SolutionReader& solution = {});

}  // namespace app
