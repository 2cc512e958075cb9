// Deterministic elementary functions for the resource generator (see mathx.h for why).
// Pure functions; any thread.
#include "tools/resgen/mathx.h"

#include <cmath>

namespace resgen::mathx {

namespace {

// Sine of r in [-pi/2, pi/2] by its Taylor series; the error is below 1e-12 there.
double SinKernel(double r) {
    const double r2 = r * r;
    double p = -1.0 / 1307674368000.0;
    p = p * r2 + 1.0 / 6227020800.0;
    p = p * r2 - 1.0 / 39916800.0;
    p = p * r2 + 1.0 / 362880.0;
    p = p * r2 - 1.0 / 5040.0;
    p = p * r2 + 1.0 / 120.0;
    p = p * r2 - 1.0 / 6.0;
    p = p * r2 + 1.0;
    return p * r;
}

// Arc tangent of z in [-1, 1]: reduced to |z| <= tan(pi/8), then a Taylor series.
double AtanUnit(double z) {
    double offset = 0.0;
    if (z > 0.41421356237309504880) {
        offset = Pi / 4;
        z = (z - 1.0) / (z + 1.0);
    } else if (z < -0.41421356237309504880) {
        offset = -Pi / 4;
        z = (z + 1.0) / (1.0 - z);
    }
    const double z2 = z * z;
    double sum = 0.0;
    for (int k = 21; k >= 1; k -= 2) sum = sum * z2 + ((k / 2) % 2 == 0 ? 1.0 : -1.0) / k;
    return offset + sum * z;
}

}  // namespace

double Atan2(double y, double x) {
    if (x == 0.0 && y == 0.0) return 0.0;
    const double ax = x < 0 ? -x : x, ay = y < 0 ? -y : y;
    double a = ay <= ax ? AtanUnit(ay / ax) : Pi / 2 - AtanUnit(ax / ay);
    if (x < 0) a = Pi - a;
    return y < 0 ? -a : a;
}

double Sin(double x) {
    const double k = std::floor(x / TwoPi + 0.5);
    double r = x - k * TwoPi;  // now in [-pi, pi]
    if (r > Pi / 2) r = Pi - r;
    if (r < -Pi / 2) r = -Pi - r;
    return SinKernel(r);
}

double Cos(double x) {
    return Sin(x + Pi / 2);
}

double SinTurns(double turns) {
    // Reduce in turns first, where the subtraction is exact, then scale once.
    const double f = turns - std::floor(turns);
    return Sin((f - 0.5) * TwoPi) * -1.0;
}

double Exp2(double x) {
    if (x < -1000.0) return 0.0;
    if (x > 1000.0) x = 1000.0;
    const double n = std::floor(x);
    const double y = (x - n) * 0.69314718055994530942;  // in [0, ln 2)
    // Taylor series of e^y; 14 terms leave an error far below a double's precision at y < 0.7.
    double term = 1.0;
    double sum = 1.0;
    for (int i = 1; i < 15; ++i) {
        term = term * y / i;
        sum += term;
    }
    return std::ldexp(sum, static_cast<int>(n));
}

double Exp(double x) {
    return Exp2(x * 1.44269504088896340736);
}

double Log2(double x) {
    if (x <= 0.0) return -1e9;
    int e = 0;
    const double m = std::frexp(x, &e);  // x = m * 2^e, m in [0.5, 1): exact
    // ln m = 2 atanh(z) with z = (m - 1) / (m + 1) in [-1/3, 0): a fast series.
    const double z = (m - 1.0) / (m + 1.0);
    const double z2 = z * z;
    double sum = 0.0;
    for (int k = 41; k >= 1; k -= 2) sum = sum * z2 + 1.0 / k;
    return e + 2.0 * z * sum * 1.44269504088896340736;
}

double Tanh(double x) {
    if (x > 20.0) return 1.0;
    if (x < -20.0) return -1.0;
    const double e = Exp(2.0 * x);
    return (e - 1.0) / (e + 1.0);
}

double Sqrt(double x) {
    if (x <= 0.0) return 0.0;
    return std::sqrt(x);  // IEEE 754 requires the correctly rounded result
}

double SmoothStep(double edge0, double edge1, double x) {
    const double t = Clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace resgen::mathx
