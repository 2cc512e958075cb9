// The explosion: twenty frames of one flame, played from flame19 down to flame0. The first
// pictures are a white-hot flash that swells to fill the cell, the middle ones a turbulent
// fireball cooling from yellow to red with flying sparks, the last ones dark smoke that thins
// away. Nine cells of a 3 x 3 blast show the same frame side by side, so the noise wraps at the
// edges and the full fireball reaches the corners: neighbouring cells merge into one blaze.
// Called on the generator's one thread.
#include <algorithm>
#include <string>

#include "tools/resgen/art.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/noise.h"
#include "tools/resgen/palette.h"
#include "tools/resgen/rng.h"

namespace resgen {

namespace {

constexpr int kTile = 64;
constexpr int kFrames = 20;
constexpr std::uint32_t kSeed = 9909;

// Radius of the fire in half-cells at time t (0 = first picture, 1 = last): a fast swell.
double FireRadius(double t) {
    const double grow = 1.0 - mathx::Clamp(t / 0.3, 0.0, 1.0);
    return 0.3 + 0.95 * (1.0 - grow * grow * grow);
}

// Peak heat of the fire at time t: white-hot at the flash, gone by t = 0.8.
double PeakHeat(double t) {
    return 1.55 * mathx::Clamp(1.0 - t / 0.85, 0.0, 1.0);
}

// Colour of one pixel of the frame at time t, or Key where nothing burns or smokes.
Colour FlamePixel(int x, int y, double t) {
    const double rise = t * 14.0;  // hot gas drifts upwards over the frames
    const double n = TileFbm(x, y + rise, kTile, 4, 4, kSeed);
    const double fine = TileFbm(x, y + rise * 1.6, kTile, 8, 2, kSeed + 1);
    const double dx = (x + 0.5 - 32) / 32, dy = (y + 0.5 - 32 + rise * 0.5) / 32;
    const double d = mathx::Sqrt(dx * dx + dy * dy);
    const double edge = (FireRadius(t) + 0.12 * t) * (0.7 + 0.7 * n);
    if (d > edge) return Key;
    const double heat = (1.0 - d / edge) * PeakHeat(t) + (fine - 0.5) * 0.45 + 0.3 * PeakHeat(t);
    // The fire shrinks into tongues as it cools: its threshold rises, smoke takes the rest.
    const double threshold = 0.3 + 0.2 * t;
    if (heat > threshold) {
        const double level = 0.22 + (heat - threshold) / 1.0;
        return palette::Fire.Pick(mathx::Clamp(level, 0.0, 1.0), x, y);
    }
    // Smoke where the fire has cooled, thinning away towards the last picture.
    const double thin = mathx::SmoothStep(0.5, 1.0, t);
    if (n * 0.7 + fine * 0.5 < 0.36 + thin * 0.4) return Key;
    if (heat > threshold - 0.06 && HashUnit(x, y, kSeed + 5) > 0.6)
        return palette::Fire.At(2);  // embers glowing through the smoke
    const double relief = (TileFbm(x - 1, y - 1 + rise, kTile, 4, 3, kSeed) -
                           TileFbm(x + 1, y + 1 + rise, kTile, 4, 3, kSeed)) *
                          6.0;
    const double shade = 0.36 + (fine - 0.5) * 0.6 + relief - dy * 0.2 - 0.2 * thin;
    return palette::Smoke.Pick(mathx::Clamp(shade, 0.0, 1.0), x, y);
}

// Sparks thrown out by the blast: bright streaks that fly, fall and fade to red.
void PaintSparks(Canvas& c, double t) {
    if (t > 0.7) return;
    Rng rng(kSeed);
    for (int i = 0; i < 18; ++i) {
        const double angle = rng.Range(0.0, mathx::TwoPi);
        const double speed = rng.Range(26.0, 44.0);
        const double dist = speed * (0.15 + t), fall = 30.0 * t * t;
        const double x = 32 + mathx::Cos(angle) * dist, y = 32 + mathx::Sin(angle) * dist + fall;
        const Colour col = palette::Fire.At(t < 0.3 ? 8 : (t < 0.5 ? 6 : 4));
        c.Set(static_cast<int>(x), static_cast<int>(y), col);
        const double tail = 0.8 + 1.2 * (1.0 - t);
        c.Set(static_cast<int>(x - mathx::Cos(angle) * tail),
              static_cast<int>(y - mathx::Sin(angle) * tail), palette::Fire.At(t < 0.3 ? 6 : 4));
    }
}

Canvas PaintFlame(int frame) {
    const double t = static_cast<double>(kFrames - 1 - frame) / (kFrames - 1);
    Canvas c(kTile, kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            const Colour col = FlamePixel(x, y, t);
            if (!(col == Key)) c.Set(x, y, col);
        }
    PaintSparks(c, t);
    return c;
}

}  // namespace

std::vector<Picture> FlamePictures() {
    std::vector<Picture> out;
    for (int f = 0; f < kFrames; ++f)
        out.push_back({"res/anim/flame" + std::to_string(f) + ".bmp", PaintFlame(f)});
    return out;
}

}  // namespace resgen
