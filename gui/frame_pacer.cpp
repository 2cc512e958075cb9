#include "gui/frame_pacer.h"

#include <cmath>

#include "presentation/screen_services.h"

namespace gui {

void FramePacer::Wait() {
    if (LastTime > 0 && Rate > 0) {
        const double elapsedMs = (presentation::TimerSeconds() - LastTime) * 1000.0;
        const double budget = std::floor(1000.0 - elapsedMs * Rate);
        // Truncating towards zero, as an integer division would.
        LastSleep = std::trunc(budget / Rate);
        if (LastSleep > 0) presentation::SleepMs(static_cast<std::int32_t>(LastSleep), 1);
    }
    LastTime = presentation::TimerSeconds();
}

}  // namespace gui
