// The error window mode of the program. Runs on the main thread of the error-window instance.
#include "gui/error_window.h"

#include <cstdio>

#include "gui/gui.h"
#include "gui/program_end.h"
#include "presentation/screen_services.h"

namespace gui {

namespace {

constexpr presentation::Pixel Foreground = 0xFFFFFF;  // white
constexpr presentation::Pixel Background = 0xAAAAAA;  // grey

}  // namespace

std::string CommandArgument(std::int64_t k, int argc, const char* const* argv) {
    if (k < 0 || k >= argc || argv == nullptr || argv[k] == nullptr) return {};
    return argv[k];
}

void CloseErrorWindow(std::string_view id) {
    if (id == "end") EndProgram(0);
}

void BuildErrorWindow(GUI& gui, std::string_view title, std::string_view message) {
    gui.GetTextBox(gui.AddTextBox(10, 10, 76, title))->Lock();
    TextArea* area = gui.GetTextArea(gui.AddTextArea(10, 40, 76, 50));
    area->SetText(message);
    area->Lock();
    gui.AddTextButton(" OK ", 304, 455, "end", CloseErrorWindow);
}

void ErrorWindowFrame(GUI& gui) {
    gui.Update();
    presentation::LockScreen();
    presentation::ClearScreen();
    gui.Draw();
    presentation::UnlockScreen(-1, -1);
}

void RunErrorWindow(std::string_view title, std::string_view message) {
    presentation::SetColours(Foreground, Background);
    presentation::ClearScreen();
    GUI gui;
    BuildErrorWindow(gui, title, message);
    while (!presentation::QuitRequested()) {  // Escape or the close button
        ErrorWindowFrame(gui);
        presentation::SleepMs(10, 0);
    }
}

void ShowErrorWindow(std::int32_t k, int argc, const char* const* argv) {
    if (CommandArgument(k, argc, argv) != "ERROR") return;
    const std::string title = CommandArgument(std::int64_t{k} + 1, argc, argv);
    const std::string message = CommandArgument(std::int64_t{k} + 2, argc, argv);
    if (!presentation::OpenScreen(640, 480, 24)) {
        std::fprintf(stderr, "game: cannot open the error window (no display?): %s: %s\n",
                     title.c_str(), message.c_str());
        EndProgram(1);
        return;
    }
    RunErrorWindow(title, message);
    EndProgram(0);
}

}  // namespace gui
