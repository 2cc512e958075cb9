// The main menu: the first screen after start-up. Level 1 stands still behind a play button, a
// back button, the level-code entry and the sound and music toggles; the menu returns the level
// to start with. Runs once per start, on the game thread, before the play loop.
#pragma once

#include <cstdint>
#include <memory>

#include "app/level_codes.h"
#include "gui/frame_pacer.h"
#include "gui/gui.h"
#include "world/game_state.h"

namespace app {

// The menu's own objects. Built in the order the menu needs them and released in the reverse
// order (code table, backdrop game state, GUI) when the menu returns.
struct MainMenu {
    // The GUI and the pacer, the backdrop (level 1 loaded, the player on its start stair), the
    // code table, PlayRequested cleared, then the widgets. A missing level 1 ends the program
    // through the fatal report.
    MainMenu();
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // One frame: the GUI's update pass (which may raise PlayRequested or end the program), the
    // backdrop and the widgets drawn as one frame, Escape held ending the program with status 0,
    // then the pacer's wait.
    void Frame();

    // The level the entry asks for: a known code's level, a typed number of 50 or more, else 1.
    std::int32_t ChosenLevel() const;

    gui::GUI Gui;
    gui::FramePacer Pacer{60};
    std::unique_ptr<world::GameState> Backdrop;  // level 1, drawn and never stepped
    LevelCodeTable Codes;
    std::int32_t CodeBox = 0;  // the number of the level-code TextBox in Gui
    gui::CheckBox* SoundToggle = nullptr;
    gui::CheckBox* MusicToggle = nullptr;
};

// Runs the menu until its play button is pressed and returns the level to start with. Escape held
// or the "menu-back" button end the program with status 0 instead.
std::int32_t RunMainMenu();

}  // namespace app
