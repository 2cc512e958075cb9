// The exit handler and the fatal-error pattern. Runs on whichever thread ends the program.
#include "gui/program_end.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>

#include "presentation/screen_services.h"

namespace gui {

namespace {

std::mutex handlerLock;  // the handler may be swapped by a test while a GUI thread runs

ExitHandler& Handler() {
    static ExitHandler handler;
    return handler;
}

}  // namespace

ExitHandler SetExitHandler(ExitHandler handler) {
    const std::lock_guard<std::mutex> lock(handlerLock);
    return std::exchange(Handler(), std::move(handler));
}

void EndProgram(int status) {
    ExitHandler handler;
    {
        const std::lock_guard<std::mutex> lock(handlerLock);
        handler = Handler();
    }
    if (!handler) {
        std::fflush(nullptr);
        std::exit(status);
    }
    handler(status);
}

void FatalError(std::string_view message, FatalWait wait) {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(message.size()), message.data());
    if (presentation::IsScreenOpen()) {
        presentation::ClearScreen();
        presentation::PrintText(message);
        presentation::WaitKey();
        if (wait == FatalWait::ForKey) {
            presentation::SleepMs(-1, 0);
        } else {
            presentation::SleepMs(500, 1);
        }
    }
    EndProgram(-1);
}

}  // namespace gui
