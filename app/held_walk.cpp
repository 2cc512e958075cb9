// Walking on a held key; see held_walk.h.
#include "app/held_walk.h"

#include <algorithm>

namespace app {

namespace {

constexpr std::uint8_t UpBit = 1, DownBit = 2, LeftBit = 4, RightBit = 8;

std::uint8_t DirectionBits(const world::FrameInput& in) {
    return static_cast<std::uint8_t>((in.Up ? UpBit : 0) | (in.Down ? DownBit : 0) |
                                     (in.Left ? LeftBit : 0) | (in.Right ? RightBit : 0));
}

// One direction of several: the lowest bit, as good as any when two are pressed in one frame.
std::uint8_t OneOf(std::uint8_t bits) {
    return static_cast<std::uint8_t>(bits & -bits);
}

void ShowDirection(world::FrameInput& out, std::uint8_t bit) {
    out.Up = bit == UpBit;
    out.Down = bit == DownBit;
    out.Left = bit == LeftBit;
    out.Right = bit == RightBit;
}

// Which direction walks now and whether its step is due.
void Follow(WalkState& s, std::uint8_t held) {
    const auto pressed = static_cast<std::uint8_t>(held & ~s.Held);
    s.Held = held;
    if (pressed) {
        s.Walking = OneOf(pressed);
        s.Due = true;
        return;
    }
    if (!(s.Walking & held)) {
        // Let go: another key still held walks on at the same rhythm.
        s.Walking = OneOf(held);
        if (!held) s.Due = false;
    }
    if (s.Walking && !s.Due && --s.Countdown <= 0) s.Due = true;
}

}  // namespace

world::FrameInput WalkInput(const world::FrameInput& held, WalkState& state,
                            const WalkSetting& setting) {
    if (!setting.On) return held;
    Follow(state, DirectionBits(held));
    world::FrameInput out = held;
    ShowDirection(out, 0);
    if (state.Due && state.Walking && !state.LastStepped) {
        ShowDirection(out, state.Walking);
        state.Due = false;
        state.Countdown = std::max(setting.RepeatFrames, std::int32_t{1});
        state.LastStepped = true;
    } else {
        state.LastStepped = false;
    }
    return out;
}

}  // namespace app
