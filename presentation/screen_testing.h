// Memory-only screen for tests and headless tools: the same framebuffer, drawing and input state
// as a real screen, but no window and no event thread. Input is injected, the clock is fake and
// advances only when told to (or when the game sleeps), and blocking waits never block.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "presentation/screen_services.h"

namespace presentation::testing {

// Opens the memory screen (closing any open screen first). The fake clock starts at 1.0 s, the
// window counts as active with the pointer outside it.
void OpenMemoryScreen(std::int32_t width, std::int32_t height);

// The framebuffer's pixel at (x, y); 0 outside the screen or when none is open.
Pixel ScreenPixel(std::int32_t x, std::int32_t y);
// How many times the framebuffer would have been shown (an unlock that reached zero).
int ShownFrames();

void PressKey(int scanCode);
void ReleaseKey(int scanCode);
void ReleaseAllKeys();
// Puts one typed key into the ring, exactly as ReadKey would return it.
void TypeKey(std::string_view key);
// Types each byte of the text as one key.
void TypeText(std::string_view text);

void SetMouse(std::int32_t x, std::int32_t y, std::int32_t buttons, std::int32_t wheel = 0);
void SetPointerInside(bool inside);
// Window activation: a change releases every key and the mouse buttons.
void SetWindowActive(bool active);
// The window manager's close request, as the close button makes it.
void RequestClose();
bool MouseVisible();

void AdvanceClock(double seconds);
// Total milliseconds slept through SleepMs since the screen opened.
double SleptMilliseconds();

// Called at every poll of a blocking wait (WaitKey, SleepMs with -1 or in 50 ms steps); a test
// types a key here to end the wait. Without a hook, WaitKey returns 0 and SleepMs(-1) returns at
// once.
void SetIdleHook(std::function<void()> hook);

// Called once at the end of every SleepMs, whatever its mode and length: lets a harness act inside
// a loop that only paces itself by sleeping (a dialog waiting for its button).
void SetSleepHook(std::function<void()> hook);

}  // namespace presentation::testing
