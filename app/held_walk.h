// Walking on a held key, an option that is off by default. The world takes one step per press:
// it waits for every direction key to be let go before it reads the next. With the walk on, the
// shell shows the world a direction only on the frames a step is due (the press itself, then
// every RepeatFrames frames while it stays held), and no direction in between, so the world's
// wait is over before each of them. The world only ever sees ordinary input, so a recording of
// the world's input replays exactly whether the walk was on or off. Game thread, or any thread
// for its own state.
#pragma once

#include <cstdint>

#include "world/frame.h"

namespace app {

struct WalkSetting {
    bool On = false;
    std::int32_t RepeatFrames = 8;  // frames from one step to the next on a held key
};

// What the walk remembers from frame to frame, for the whole run.
struct WalkState {
    std::uint8_t Held = 0;       // direction bits held in the last frame
    std::uint8_t Walking = 0;    // the one direction bit that repeats
    std::int32_t Countdown = 0;  // frames until the next repeated step
    bool Due = false;            // a step waits for the world to be ready
    bool LastStepped = false;    // the last frame showed the world a direction
};

// The world's input for this frame from the input held in it. Off: `held` unchanged. On: a new
// direction steps at once (or in the next frame when the world still sees the last step), a held
// one again every RepeatFrames frames; only one direction is shown at a time.
world::FrameInput WalkInput(const world::FrameInput& held, WalkState& state,
                            const WalkSetting& setting);

}  // namespace app
