// A polled interval timer: its owner calls Tick once per frame and the handler runs on that
// thread when the interval has passed. The play loop's timer restarts the music every 80 s.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace app {

struct GameTimer {
    using HandlerFn = std::function<void(std::string_view timerId)>;

    enum : std::uint8_t { Repeating = 0, Once = 1 };

    GameTimer(std::string_view timerId, std::int32_t interval, std::uint8_t mode,
              HandlerFn handler);

    // Fires the handler when the timer is active and at least Interval seconds have passed
    // since StartSecond. A repeating timer counts its next interval from this tick.
    void Tick();

    HandlerFn Handler;         // called with TimerID when the timer fires
    std::int32_t StartSecond;  // clock second (rounded, halves to even) the interval began
    std::int32_t Interval;     // seconds
    std::string TimerID;       // passed to the handler
    std::uint8_t Mode;         // 0 repeating, 1 once, anything else never fires
    std::uint8_t Active;       // 1 while the timer may fire
};

}  // namespace app
