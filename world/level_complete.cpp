// The level-complete dialog; see level_complete.h. Game thread, inside GameStep.
#include "world/level_complete.h"

#include <limits>

#include "app/flags.h"
#include "app/sound_bank.h"
#include "app/widget_events.h"
#include "presentation/screen_services.h"
#include "world/level_file.h"

namespace world {

namespace {

constexpr std::int32_t LastLevelNumber = std::numeric_limits<std::int32_t>::max();

void DialogFrame(gui::GUI& dialog) {
    dialog.Update();
    presentation::LockScreen();
    dialog.Draw();
    presentation::UnlockScreen();
    presentation::SleepMs(10, 0);
}

// The level after the finished one. No level number follows the largest one: its file is
// reported as missing, as a level after the last file would be, and the program ends there
// instead of wrapping to a negative number.
void StartNextLevel(GameState& game) {
    if (game.LevelNumber == LastLevelNumber) {
        ReportMissingLevelFile(std::int64_t{LastLevelNumber} + 1);
        return;  // only when a test's exit handler returns
    }
    ++game.LevelNumber;
    RestartLevel(game);
}

}  // namespace

std::string NextLevelCode(const app::LevelCodeTable& table, std::int32_t finished) {
    if (finished >= app::LevelCodeCount) return "THEEND";
    return std::string(table.Code(finished + 1));
}

void BuildLevelCompleteDialog(gui::GUI& dialog, const app::LevelCodeTable& table,
                              std::int32_t finished) {
    dialog.AddLabel(440, 350, "Levelcode: ");
    dialog.AddTextBox(535, 350, 6, NextLevelCode(table, finished));
    dialog.AddButton(416, 360, "res\\menu\\okup.bmp", "res\\menu\\okdown.bmp", "nextlvl",
                     app::HandleWidgetEvent);
}

void RunLevelCompleteDialog(GameState& game) {
    gui::GUI dialog;
    const app::LevelCodeTable table;
    BuildLevelCompleteDialog(dialog, table, game.LevelNumber);
    app::PlayEffect("finish");
    while (app::Flags().NextLevelRequested != 1) DialogFrame(dialog);
    app::Flags().NextLevelRequested = 0;
    StartNextLevel(game);
}

}  // namespace world
