// Elementary functions for the resource generator, built only from + - * / floor and ldexp.
//
// Those operations are exactly rounded by IEEE 754, so these functions give the same bits at any
// optimisation level and with any C library; the library's own sin/exp/pow may differ in the last
// bit between versions, or between a value folded at compile time and one computed at run time,
// and a single differing bit can change a written byte. Pure functions; any thread.
#pragma once

namespace resgen::mathx {

inline constexpr double Pi = 3.14159265358979323846;
inline constexpr double TwoPi = 6.28318530717958647692;

double Sin(double x);
double Cos(double x);
// Sine of a phase measured in turns (1.0 = one full cycle): the natural unit of an oscillator.
double SinTurns(double turns);
double Atan2(double y, double x);  // in (-pi, pi], like std::atan2
double Exp2(double x);
double Exp(double x);
// Base-2 logarithm of a positive x (else a large negative number).
double Log2(double x);
double Tanh(double x);
// Square root; 0 for negative input. IEEE 754 rounds it exactly, like the four basic operations.
double Sqrt(double x);
// The frequency ratio of a pitch interval in semitones.
inline double Semitones(double n) {
    return Exp2(n / 12.0);
}

inline double Clamp(double v, double lo, double hi) {
    return v < lo ? lo : (v > hi ? hi : v);
}
inline double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}
// 0 below edge0, 1 above edge1, a smooth cubic between.
double SmoothStep(double edge0, double edge1, double x);

}  // namespace resgen::mathx
