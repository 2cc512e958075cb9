// The main menu: the first screen after start-up. Level 1 stands still behind a play button, a
// back button, the level-code entry and the sound and music toggles; the shell asks it for the
// level to start with once its play button is pressed. Game thread, on the menu screen.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "app/level_codes.h"
#include "gui/frame_pacer.h"
#include "gui/gui.h"
#include "view/play_view.h"
#include "world/game_state.h"
#include "world/level_file.h"

namespace app {

// The menu's own objects. Built in the order the menu needs them and released in the reverse
// order (code table, backdrop view and game state, GUI) when the menu closes.
struct MainMenu {
    // The GUI and the pacer, the backdrop (level 1 loaded, the player on its start stair), the
    // code table, PlayRequested and QuitRequested cleared, then the widgets. A level 1 that
    // cannot be read leaves BackdropError set.
    explicit MainMenu(const world::LevelFolder& levels);
    ~MainMenu();
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    // One frame: the GUI's update pass (which may raise PlayRequested or QuitRequested), the
    // backdrop and the widgets drawn as one frame, then the pacer's wait.
    void Frame();

    // The level the entry asks for: a known code's level, a typed number of 50 or more, else 1.
    std::int32_t ChosenLevel() const;

    gui::GUI Gui;
    gui::FramePacer Pacer{60};
    world::GameState Backdrop;  // level 1, drawn and never stepped
    view::PlayView BackdropView;
    std::optional<world::LevelError> BackdropError;
    LevelCodeTable Codes;
    std::int32_t CodeBox = 0;  // the number of the level-code TextBox in Gui
    gui::CheckBox* SoundToggle = nullptr;
    gui::CheckBox* MusicToggle = nullptr;
};

}  // namespace app
