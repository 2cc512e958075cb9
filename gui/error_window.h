// The error window: a second instance of the program started with the arguments "ERROR", a title
// and a message shows them in a 640 x 480 window with an " OK " button until Escape or " OK " ends
// it with status 0. Runs on the program's main thread, before the game's own screen exists.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace gui {

struct GUI;

// Command-line argument k (0 is the program), or an empty text when there is none.
std::string CommandArgument(std::int64_t k, int argc, const char* const* argv);

// Returns only when argument k is not exactly "ERROR". Otherwise shows arguments k + 1 (title) and
// k + 2 (message) and ends the program with status 0; when no window can be opened it says so on
// standard error and ends the program with status 1.
void ShowErrorWindow(std::int32_t k, int argc, const char* const* argv);

// The " OK " button's handler: "end" ends the program with status 0; any other ID returns.
void CloseErrorWindow(std::string_view id);

// The pieces of the window, on an already open screen. BuildErrorWindow adds the locked title
// field, the locked message area and the " OK " button; ErrorWindowFrame runs one frame (Update,
// then a cleared and redrawn screen); RunErrorWindow does the whole window until Escape is held.
void BuildErrorWindow(GUI& gui, std::string_view title, std::string_view message);
void ErrorWindowFrame(GUI& gui);
void RunErrorWindow(std::string_view title, std::string_view message);

}  // namespace gui
