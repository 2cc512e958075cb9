// Ending the program: the one exit path of the toolkit and the game's widget handlers, and the
// toolkit's fatal-error pattern. Called from the thread that runs a GUI's passes or builds widgets.
//
// Production ends the process here. Tests swap the exit handler for one that records the status
// and throws, so the message and the status can be checked without ending the test process; no
// exception ever leaves these functions in the program itself.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

namespace gui {

// Receives the exit status. The default ends the process with std::exit(status).
using ExitHandler = std::function<void(int status)>;

// Replaces the handler and returns the previous one; an empty handler restores the default.
ExitHandler SetExitHandler(ExitHandler handler);

// Ends the program with the status. Returns only when a replaced handler returns.
void EndProgram(int status);

// The second wait of the fatal pattern, after the first WaitKey.
enum class FatalWait {
    ForKey,     // SleepMs(-1) in mode 0: waits for one more typed key
    HalfSecond  // SleepMs(500) in mode 1: a pause that keys do not shorten
};

// The toolkit's fatal construction error: ClearScreen, PrintText of the message, WaitKey, the
// second wait, then EndProgram(-1). The message also goes to standard error, since the screen is
// gone once the process has ended; without an open screen nothing is waited for.
void FatalError(std::string_view message, FatalWait wait);

// The toolkit's messages, exactly as the user sees them.
namespace message {
inline constexpr std::string_view GuiStorage =
    "[ERROR] Zero pointer exception in Constructor GUI()";
inline constexpr std::string_view CursorImage =
    "[ERROR]Something went wrong in: Constructor Cursor()";
inline constexpr std::string_view RadioStorage =
    "[ERROR] Zero pointer exception in: Constructor RadioButton()";
inline constexpr std::string_view ElementListCaption =
    "[ERROR] in Constructor ElementList: Length of Text > Defined Lenght";
inline constexpr std::string_view ElementListRow =
    "[ERROR] in Sub ElementList.NewElement: Length of Text > Defined Lenght";
inline constexpr std::string_view DropDownCaption =
    "[ERROR] in Constructor DropDown: Length of Text > Defined Lenght";
inline constexpr std::string_view DropDownRow =
    "[ERROR] in Function DropDown.NewElement: Length of Text > Defined Lenght";
inline constexpr std::string_view ButtonFile =
    "Something went wrong while loading File in: Constructor Button(ButtID as String, Event as "
    "Sub(ID as String), ButtX as Integer, ButtY as Integer, FileName as String)\n"
    "Are you sure this was the correct filename?";
}  // namespace message

}  // namespace gui
