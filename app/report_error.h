// The fatal-error report: a second instance of the program shows the message in its error window;
// when that window is closed the shell ends the game with status 0. Game thread, from the error
// screen.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace app {

// Writes the message to standard error (for a player at a terminal, or a machine where the second
// window cannot open), runs the program's own executable with the arguments "ERROR", the title
// and the message (as separate arguments, never through a shell) and waits for it. Depth d puts
// d - 1 arguments "-" before "ERROR".
void ReportError(std::string_view title, std::string_view message, int depth);

// Tests replace what starts the second instance (its argument vector without the program name);
// an empty function restores the real one.
using ErrorWindowRunner = std::function<void(const std::vector<std::string>& arguments)>;
ErrorWindowRunner SetErrorWindowRunner(ErrorWindowRunner runner);

}  // namespace app
