// The program's entry: start-up in its fixed order, the main menu, the play loop (one iteration
// per frame on the game thread, until Escape is held) and shutdown.
#pragma once

#include <cstdint>
#include <memory>

#include "app/game_timer.h"
#include "gui/frame_pacer.h"
#include "gui/gui.h"
#include "world/game_state.h"

namespace app {

// What the play loop owns for the whole run. The members are built in the start-up order (game
// state with all its pictures, the play screen's GUI, the music timer, the pacer) and released in
// the shutdown order (timer, GUI with its widgets, game state).
struct PlaySession {
    PlaySession();
    ~PlaySession();
    PlaySession(const PlaySession&) = delete;
    PlaySession& operator=(const PlaySession&) = delete;

    // Once, with the menu's answer: the level is loaded and the player put on its start stair
    // (a missing file ends the program through the fatal report), the screen cleared, and the
    // play screen's labels and sound and music toggles added, showing the flags.
    void StartLevel(std::int32_t levelNumber);

    // One frame: the game step, the GUI's update pass, the timer's tick, a pending respawn, the
    // scene and the widgets drawn as one frame, then the pacer's wait.
    void Frame();

    // Frames until Escape is held (tested before each frame).
    void Run();

    std::unique_ptr<world::GameState> Game;
    gui::GUI Gui;           // the play screen's option toggles
    GameTimer MusicTimer;   // restarts "ambience" every 80 seconds
    gui::FramePacer Pacer;  // 60 frames per second
    gui::CheckBox* SoundToggle = nullptr;
    gui::CheckBox* MusicToggle = nullptr;
};

// Runs the whole program and returns its exit status: 0 on every way the game ends, 1 when no
// window can be opened.
int RunGame(int argc, char** argv);

}  // namespace app
