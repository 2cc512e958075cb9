// Internal to presentation/: the real window. Start creates it on a thread of its own, which
// owns every windowing-library call: it pumps events into the screen's input state and shows the
// framebuffer when asked (RequestShow) or when the window needs repainting.
#pragma once

#include <memory>

#include "presentation/screen_services.h"

namespace presentation::detail {

struct ScreenState;

// Maps the windowing library's scan code to a PC set-1 scan code (0 for keys the game has no
// code for).
int SetOneScanCode(int libraryScanCode);

// The options the next window opens with (SetWindowOptions), scale limited to 1..8.
WindowOptions RequestedOptions();

class Window {
  public:
    // Opens the window for the screen's framebuffer size; null when no window can be opened.
    static std::unique_ptr<Window> Start(ScreenState& screen);
    ~Window();

    void RequestShow();           // any thread
    void RequestPointerUpdate();  // any thread: the pointer's visibility changed
    void Stop();                  // ends the thread and closes the window; idempotent

    struct Impl;

  private:
    explicit Window(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace presentation::detail
