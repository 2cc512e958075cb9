// The level-complete dialog: the code of the next level, the "nextlvl" button, its own loop until
// that button is pressed, then the next level. Runs inside GameStep on the game thread; the play
// loop's own work (its GUI, its timer, the scene) waits meanwhile.
#pragma once

#include <cstdint>
#include <string>

#include "app/level_codes.h"
#include "gui/gui.h"
#include "world/game_state.h"

namespace world {

// The code the menu accepts for the level after `finished`. From the last coded level on there is
// no code to give, so the box says the campaign is over instead: "THEEND", which fits the box and
// which the menu reads as no code at all. Empty for a number before the first level.
std::string NextLevelCode(const app::LevelCodeTable& table, std::int32_t finished);

// Adds the dialog's widgets: the "Levelcode: " label, the code in a six-character text box and
// the "nextlvl" button with HandleWidgetEvent.
void BuildLevelCompleteDialog(gui::GUI& dialog, const app::LevelCodeTable& table,
                              std::int32_t finished);

// Plays "finish", shows the dialog over the last frame drawn until "nextlvl" raises
// NextLevelRequested (Escape is not looked at), clears the flag and starts the next level. A
// next level whose file is missing ends the program with the fatal report.
void RunLevelCompleteDialog(GameState& game);

}  // namespace world
