// The level-complete dialog; see level_complete.h. Game thread.
#include "app/level_complete.h"

#include "app/widget_events.h"

namespace app {

std::string NextLevelCode(const LevelCodeTable& table, std::int32_t finished) {
    if (finished >= LevelCodeCount) return "THEEND";
    return std::string(table.Code(finished + 1));
}

void BuildLevelCompleteDialog(gui::GUI& dialog, const LevelCodeTable& table,
                              std::int32_t finished) {
    dialog.AddLabel(440, 350, "Levelcode: ");
    dialog.AddTextBox(535, 350, 6, NextLevelCode(table, finished));
    dialog.AddButton(416, 360, "res\\menu\\okup.bmp", "res\\menu\\okdown.bmp", "nextlvl",
                     HandleWidgetEvent);
}

}  // namespace app
