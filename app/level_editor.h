// The level editor's loop and the play of one level file: "--edit" runs the editor's screen until
// it is left, with F5's test plays in the shell's real play screen; "--level FILE" plays the file
// on its own. Game thread, with the screen open.
#pragma once

#include <filesystem>
#include <optional>

#include "app/shell.h"
#include "demo/demo.h"

namespace app {

// Edits the level file until the editor is left or the window closed.
void RunEditor(Shell& shell, const std::filesystem::path& file);

// Plays the level file as level 1 until play ends (finishing it, Escape or the window).
void PlayLevelFile(Shell& shell, const std::filesystem::path& file);

// True when the demo, played headless from its start on the level file, finishes the level: what
// makes a demo read beside a level its proof. Sounds stay silent.
bool FinishesLevel(const demo::Demo& demo, const std::filesystem::path& levelFile);

}  // namespace app
