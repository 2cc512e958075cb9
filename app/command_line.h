// The program's command line: the window options, --help and --version. The error-window mode
// ("ERROR" title message as the first argument) is not an option: it is left to the error window.
// Called once on the game thread at start-up, before anything opens.
#pragma once

#include <string>
#include <string_view>

#include "presentation/screen_services.h"

namespace app {

struct DisplaySettings;

struct CommandLine {
    enum class Action { Play, Help, Version, Misuse };
    Action What = Action::Play;
    presentation::WindowOptions Window;  // for Play
    std::string Problem;                 // for Misuse: what was wrong, one line
};

// Reads the options up to the first word that is not one ("--" ends them too); words after it
// are left alone, as every argument was before there were options.
CommandLine ParseCommandLine(int argc, const char* const* argv);

// The usage text, several lines, each ending in a newline.
std::string UsageText(std::string_view program);

// The window options of the command line with the settings file's scale and full screen where
// the command line left its defaults.
presentation::WindowOptions WithSettings(presentation::WindowOptions fromLine,
                                         const DisplaySettings& settings);

// Parses the command line and acts on it: prints help or the version (status 0), or the problem
// and the usage on standard error (status 2), or hands the window options to the screen and
// returns -1 for "go on and play".
int ApplyCommandLine(int argc, const char* const* argv);

}  // namespace app
