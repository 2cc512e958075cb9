// Game controllers as plain values: which buttons each connected pad holds and where its D-pad and
// left stick point. The real window's event thread fills this from the windowing library's game
// controller events (pads plugged in before or during play); the memory screen takes synthetic
// pads from tests. Reads are under the screen's input lock like the keyboard's.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace presentation {

// The buttons the game can map, in the windowing library's standard controller layout.
enum class PadButton : std::uint8_t {
    A,
    B,
    X,
    Y,
    Back,
    Guide,
    Start,
    DpadUp,
    DpadDown,
    DpadLeft,
    DpadRight,
    Count
};

inline constexpr int PadButtonCount = static_cast<int>(PadButton::Count);

// A stick counts as pushed beyond this distance from the middle (a resting stick drifts a little).
inline constexpr int StickDeadZone = 16000;

struct PadState {
    std::int32_t Id = 0;                      // the library's instance id; unique while plugged
    std::array<bool, PadButtonCount> Held{};  // by PadButton
    std::int32_t StickX = 0;                  // left stick, -32768 (left) .. 32767 (right)
    std::int32_t StickY = 0;                  // -32768 (up) .. 32767 (down)

    bool IsHeld(PadButton b) const { return Held[static_cast<int>(b)]; }
};

// Every pad plugged in now, in the order they were added; empty with no screen.
std::vector<PadState> ConnectedPads();

// Whether the window has the input focus (the memory screen's counts as it is told).
bool IsWindowActive();

namespace testing {
// A synthetic pad on the memory screen: added (or replaced, by Id) with this state.
void SetPad(const PadState& pad);
void RemovePad(std::int32_t id);
}  // namespace testing

}  // namespace presentation
