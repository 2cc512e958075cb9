// The polled interval timer; ticked by the play loop on the game thread.
#include "app/game_timer.h"

#include <cmath>
#include <utility>

#include "presentation/screen_services.h"

namespace app {

namespace {

// The clock rounded to the nearest second, halves to the even neighbour; a clock beyond the
// 32-bit range saturates rather than overflowing.
std::int32_t RoundedSecond() {
    const double rounded = std::nearbyint(presentation::TimerSeconds());
    if (rounded >= 2147483647.0) return 2147483647;
    if (rounded <= -2147483648.0) return -2147483647 - 1;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace

GameTimer::GameTimer(std::string_view timerId, std::int32_t interval, std::uint8_t mode,
                     HandlerFn handler)
    : Handler(std::move(handler)),
      StartSecond(RoundedSecond()),
      Interval(interval),
      TimerID(timerId),
      Mode(mode),
      Active(1) {}

void GameTimer::Tick() {
    const bool due = Active == 1 && presentation::TimerSeconds() - StartSecond >= Interval;
    if (!due) return;
    if (Mode == Repeating) {
        StartSecond = RoundedSecond();
    } else if (Mode == Once) {
        Active = 0;
    } else {
        return;
    }
    if (Handler) Handler(TimerID);
}

}  // namespace app
