// Internal to presentation/: the one screen of the process and the state its operations share.
// The game thread (and a toolkit thread) call the operations; a real screen's event thread reads
// and writes the input state and reads the framebuffer. InputMutex guards Input; DrawMutex guards
// Frame, LockCount and the changed rows.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "presentation/gamepad.h"
#include "presentation/screen_services.h"

namespace presentation::detail {

class Window;  // the real window and its event thread (window.cpp)

// Typed keys: a value below 256 is one character; 0xFF00 | scan is the two-character key.
using TypedKey = std::uint16_t;
inline constexpr TypedKey ExtendedKey(int scanCode) {
    return 0xFF00 | (scanCode & 0xFF);
}

struct InputState {
    std::array<bool, 128> Held{};     // by scan code
    std::array<TypedKey, 16> Ring{};  // at most 15 unread keys
    int Head = 0;                     // oldest unread slot
    int Tail = 0;                     // next free slot
    bool TypedFlag = false;           // a key was put in since the last take or sleep check
    std::int32_t MouseX = 0;          // window pixels
    std::int32_t MouseY = 0;          // window pixels
    std::int32_t Wheel = 0;           // accumulated wheel position
    std::int32_t Buttons = 0;         // 1 left, 2 right, 4 middle
    bool PointerInside = false;       // pointer over the drawing area
    bool Active = true;               // the window has (or may have) the input focus
    bool MouseVisible = true;         // system pointer shown over the window
    bool CloseRequested = false;      // the window manager asked to close; stays set
    std::vector<PadState> Pads;       // connected game controllers, oldest first

    void PushKey(TypedKey key);  // drops the oldest unread key when full
    bool PopKey(TypedKey& key);
    void ReleaseAll();  // activation changes
};

struct ScreenState {
    ScreenState(std::int32_t width, std::int32_t height) : Frame(width, height, 0) {}

    ImageBuffer Frame;  // the framebuffer
    std::mutex DrawMutex;
    int LockCount = 0;                    // LockScreen nesting
    std::int32_t ChangedFirst = INT_MAX;  // first changed row not yet shown
    std::int32_t ChangedLast = -1;        // last changed row not yet shown
    int ShownFrames = 0;                  // unlocks that reached zero with changed rows

    std::mutex InputMutex;
    InputState Input;

    Pixel Foreground = 0xFFFFFF;    // PrintText colour
    Pixel Background = 0x000000;    // ClearScreen / PrintText cell colour
    std::int32_t CursorColumn = 0;  // text cursor, in 8 x 8 cells
    std::int32_t CursorRow = 0;

    bool Memory = false;              // memory-only: no window, fake clock
    double FakeSeconds = 1.0;         // the memory screen's clock
    double SleptMs = 0;               // memory screen: total slept
    std::function<void()> IdleHook;   // memory screen: polled by blocking waits
    std::function<void()> SleepHook;  // memory screen: after every SleepMs

    std::unique_ptr<Window> RealWindow;  // null for the memory screen
};

// The open screen, or null.
ScreenState* Current();
// Installs a new screen (closing the old one) or, with null, closes it.
void Install(std::unique_ptr<ScreenState> screen);

// Marks rows as changed; the caller holds DrawMutex.
void MarkRows(ScreenState& s, std::int64_t first, std::int64_t last);
// Asks the window to show the changed rows (no-op for the memory screen).
void RequestShow(ScreenState& s);

}  // namespace presentation::detail
