// A sleep-based frame-rate limiter. The owner calls Wait once at the end of every frame; it sleeps
// what is left of the 1/Rate second frame budget, measured from the end of the previous Wait.
#pragma once

#include <cstdint>

namespace gui {

struct FramePacer {
    explicit FramePacer(std::int32_t rate) : Rate(rate) {}

    void SetRate(std::int32_t rate) { Rate = rate; }
    // Sleeps the rest of the frame (mode 1: typed keys do not cut it short). The first Wait only
    // records the time; a rate of 0 or below never sleeps.
    void Wait();

    double LastSleep = 0;  // the last computed sleep, milliseconds
    double LastTime = 0;   // TimerSeconds at the end of the last Wait; 0 = never waited
    std::int32_t Rate;     // frames per second
};

}  // namespace gui
