// Demos in the window: the game played with every attempt kept, and a demo (or a level's proven
// solution) shown at the normal pace with the picture, sounds and panels of real play. While it
// is shown, Space pauses, + and - change the speed (x1/4 to x8), Right steps one frame while
// paused, and Escape ends. Game thread.
#pragma once

#include <optional>
#include <string>

#include "app/demo_options.h"
#include "app/shell.h"
#include "demo/demo.h"

namespace app {

// The demo "--play" or "--watch" asks for, read and checked before any window opens: 0 (with
// `shown` set, or left empty when none is asked for), or 2 after one message on stderr.
int DemoToShow(const DemoOptions& options, const SolutionReader& solution,
               const world::LevelFolder& levels, std::optional<demo::Demo>& shown);

// Plays the game in the shell until it ends, keeping every attempt (and, with a file, the
// whole session).
void PlayRecorded(Shell& shell, const std::string& recordFile);

// Shows the demo in the shell until Escape (or the window) ends it.
void ShowDemo(Shell& shell, const demo::Demo& shown);

}  // namespace app
