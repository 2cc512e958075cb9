// The X error handlers and the window manager check; see x11.h. Xlib's own handlers print several
// lines and call exit() on the event thread, whose exit handlers then wait for that same thread:
// the process aborted, or kept running without a window when the game thread was in a long wait.
#include "presentation/x11.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace presentation::detail {

namespace {

[[noreturn]] void EndForLostDisplay(const char* what, const char* detail) {
    std::fprintf(stderr, "%s: lost the display: %s%s\n", program_invocation_short_name, what,
                 detail);
    std::fflush(stderr);
    // Not exit(): the game thread is still running and the exit handlers would tear down the
    // screen under it.
    _exit(1);
}

int OnXError(Display* display, XErrorEvent* error) {
    char text[160] = "";
    XGetErrorText(display, error->error_code, text, sizeof text);
    char detail[224];
    std::snprintf(detail, sizeof detail, " (%s, request %d)", text, error->request_code);
    EndForLostDisplay("X error", detail);
}

int OnXIoError(Display*) {
    EndForLostDisplay("the connection to the X server was closed", "");
}

}  // namespace

void InstallDisplayLossHandlers() {
    XSetErrorHandler(OnXError);
    XSetIOErrorHandler(OnXIoError);
}

bool WindowManagerRunning(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return true;
    Display* display = info.info.x11.display;
    // A running manager that follows the desktop conventions names its own window here.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None) return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char* data = nullptr;
    const int result = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False,
                                          XA_WINDOW, &type, &format, &count, &left, &data);
    const bool found = result == Success && data && count == 1;
    if (data) XFree(data);
    return found;
}

}  // namespace presentation::detail
