// The level-complete dialog: the code of the next level and the "nextlvl" button, shown over the
// last frame drawn while the finishing frame waits. Game thread, on the level-complete screen.
#pragma once

#include <cstdint>
#include <string>

#include "app/level_codes.h"
#include "gui/gui.h"

namespace app {

// The code the menu accepts for the level after `finished`. From the last coded level on there is
// no code to give, so the box says the campaign is over instead: "THEEND", which fits the box and
// which the menu reads as no code at all. Empty for a number before the first level.
std::string NextLevelCode(const LevelCodeTable& table, std::int32_t finished);

// Adds the dialog's widgets: the "Levelcode: " label, the code in a six-character text box and
// the "nextlvl" button with HandleWidgetEvent.
void BuildLevelCompleteDialog(gui::GUI& dialog, const LevelCodeTable& table, std::int32_t finished);

}  // namespace app
