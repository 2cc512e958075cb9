// Sound building blocks for the generator's effects and music: a mono signal of doubles at
// 44100 Hz, oscillators with pitch glides and decays, filters and the finishing pass that turns
// a signal into clean 16-bit samples. Generator thread.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/resgen/rng.h"

namespace resgen::dsp {

inline constexpr int Rate = 44100;  // samples per second

using Signal = std::vector<double>;

Signal Silence(double seconds);
// The sample index of a time, rounded down.
int Index(double seconds);

// Per-sample factor of an exponential decay with time constant tau seconds.
double DecayFactor(double tau);

// Adds a sine partial starting at t0 for dur seconds: its frequency glides exponentially from f0
// to f1 over the first `glide` seconds (0 = none), its amplitude rises linearly over `attack`
// seconds to amp and then decays with time constant tau.
struct Partial {
    double T0 = 0, Dur = 0.2;   // seconds
    double F0 = 440, F1 = 440;  // Hz
    double Glide = 0;           // seconds
    double Amp = 0.5;           // linear
    double Attack = 0.002;      // seconds
    double Tau = 0.1;           // seconds
    double Vibrato = 0;         // depth, fraction of the frequency
    double VibratoHz = 5;       // rate
};
void AddPartial(Signal& s, const Partial& p);

// Chamberlin state-variable filter; cutoff may change every sample (keep it under Rate / 6).
struct Svf {
    double Low = 0;   // low-pass output
    double Band = 0;  // band-pass output
    double High = 0;  // high-pass output
    void Run(double x, double cutoffHz, double damping);
};

// Adds filtered noise from t0 for dur seconds: white noise through a state-variable filter whose
// cutoff glides exponentially from c0 to c1, taken at its band output when `band` is set, else
// its low output; amplitude as for a partial.
struct NoiseBurst {
    double T0 = 0, Dur = 0.2;     // seconds
    double C0 = 2000, C1 = 2000;  // Hz
    double Damping = 0.7;         // 2 = heavily damped, 0.1 = ringing
    bool Band = false;
    double Amp = 0.5;
    double Attack = 0.002;
    double Tau = 0.1;
};
void AddNoise(Signal& s, const NoiseBurst& n, Rng& rng);

// Soft clipping after scaling the peak to 1: drive 1 is gentle, 3 fattens a sound noticeably.
void Saturate(Signal& s, double drive);

// Turns a signal into 16-bit samples: removes any DC offset with a gentle high-pass, fades the
// first `fadeIn` and last `fadeOut` seconds with raised-cosine ramps (no clicks), scales the
// highest peak to `peak` of full scale and rounds to the nearest step.
std::vector<std::int16_t> Finish(Signal s, double peak, double fadeIn, double fadeOut);

}  // namespace resgen::dsp
