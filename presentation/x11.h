// Internal to presentation/: the little done with Xlib directly, beside SDL: what happens when
// the display goes away under the window (an X error, the window destroyed by another client, the
// X connection lost), and whether a window manager is there to make a window full screen.
#pragma once

struct SDL_Window;

namespace presentation::detail {

// Installs the windowing system's error handlers, before the windowing library starts so that its
// own handlers pass errors on to these. An error ends the process at once with one line on
// standard error and status 1: the window is gone, and nothing of the game can go on without it.
// The handlers run on the thread that made the failing call (the window's event thread) and never
// return into the windowing library.
void InstallDisplayLossHandlers();

// True when a window manager runs that can show the window full screen (or when the window is
// not an X window, where SDL's own full screen applies). Without one, SDL's request to make the
// window full screen goes unanswered. The window's event thread calls it.
bool WindowManagerRunning(SDL_Window* window);

}  // namespace presentation::detail
