// The stairs: a stone archway over a flight of steps. The start stair climbs to the right under
// a pale lamp; the exit descends to the right, lit green with an arrow when open, and barred with
// a padlock under a red lamp when closed, so its state reads at a glance.
// Called on the generator's one thread.
#include <algorithm>
#include <cmath>

#include "tools/resgen/art.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/noise.h"
#include "tools/resgen/paint.h"
#include "tools/resgen/palette.h"

namespace resgen {

namespace {

constexpr int kTile = 64;
constexpr double kCx = 32, kArcY = 31, kOuter = 29, kInner = 19;

enum class Flight { Up, Down };

bool InArch(double px, double py, double radius) {
    const double dx = px - kCx, dy = py - kArcY;
    return py >= kArcY ? std::abs(dx) <= radius : dx * dx + dy * dy <= radius * radius;
}

// The frame: pillars of squared blocks and an arc of five voussoirs.
void PaintFrame(Canvas& c) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!InArch(px, py, kOuter) || InArch(px, py, kInner)) continue;
            const double n = TileFbm(x, y, kTile, 8, 2, 8808);
            double level = 0.5 + (n - 0.5) * 0.4;
            bool mortar = false;
            if (py >= kArcY) {
                mortar = (y - 31) % 11 == 0;
                if ((y - 31) % 11 == 1) level += 0.2;
            } else {
                const double a = mathx::Atan2(py - kArcY, px - kCx);  // -pi .. 0
                const double sector = (a + mathx::Pi) / (mathx::Pi / 5);
                const double edge = std::abs(sector - std::floor(sector + 0.5));
                mortar = edge * (mathx::Pi / 5) * 24 < 0.8 && sector > 0.5 && sector < 4.5;
            }
            if (InArch(px, py, kInner + 1.5)) level -= 0.25;  // the inner edge in shadow
            c.Set(x, y, mortar ? palette::Rock.At(1) : palette::Rock.Pick(level, x, y));
        }
    }
}

// Steps seen from the side inside the opening; `rising` makes them climb to the right.
void PaintSteps(Canvas& c, Flight flight, const Ramp& glow) {
    for (int y = 12; y < kTile; ++y) {
        for (int x = 13; x <= 50; ++x) {
            const double px = x + 0.5, py = y + 0.5;
            if (!InArch(px, py, kInner)) continue;
            const int k = std::min((x - 13) / 10, 3);
            const int top = flight == Flight::Down ? 30 + 8 * k : 54 - 8 * k;
            if (y < top) {  // the dark space above the steps, lit from one end
                const double light = flight == Flight::Down ? (y - 12) / 70.0 + (x - 13) / 90.0
                                                            : (50 - x) / 80.0 + (40 - y) / 90.0;
                c.Set(x, y, glow.Pick(mathx::Clamp(light * 0.9, 0.0, 0.6), x, y));
                continue;
            }
            const bool riser =
                flight == Flight::Down ? (x - 13) % 10 == 9 || x == 50 : (x - 13) % 10 == 0;
            double level = y - top < 2 ? 0.85 : 0.45 - (y - top) * 0.008;
            if (riser && y - top >= 2) level = flight == Flight::Down ? 0.25 : 0.7;
            if ((y - top) % 8 == 7 && y - top > 2) level -= 0.15;  // courses of the stonework
            c.Set(x, y, palette::Rock.Pick(mathx::Clamp(level, 0.0, 1.0), x, y));
        }
    }
}

void PaintArrow(Canvas& c, double cx, double cy, bool up, const Ramp& ramp) {
    const double s = up ? -1.0 : 1.0;
    const std::vector<double> arrow = {cx - 3, cy - 7 * s, cx + 3, cy - 7 * s, cx + 3,
                                       cy,     cx + 7,     cy,     cx,         cy + 7 * s,
                                       cx - 7, cy,         cx - 3, cy};
    Canvas a(kTile, kTile);
    FillPolygon(a, arrow, ramp.At(5));
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!a.IsKey(x, y)) a.Set(x, y, ramp.Pick(0.95 - (y + 0.5 - cy + 7) / 20.0, x, y));
    AddOutline(a, palette::Ink);
    Stamp(c, a, 0, 0);
}

void PaintLamp(Canvas& c, const Ramp& ramp) {
    ShadeSlab(c, 27, 0, 36, 8, 1, 1, palette::Rock, 0.55);
    ShadeBall(c, 32, 4.5, 3.5, 3.5, ramp, 0.45, 1.0);
    c.Set(31, 3, Hex(0xFFFFFF));
}

void PaintPortcullis(Canvas& c) {
    Canvas bars(kTile, kTile);
    for (int bx = 15; bx <= 47; bx += 8)
        ShadeColumn(bars, bx, 10, bx + 2, 63, 1, palette::Steel, 0.1, 0.9);
    for (int by : {24, 44}) ShadeColumn(bars, 12, by, 51, by + 2, 1, palette::Steel, 0.2, 0.8);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!bars.IsKey(x, y) && InArch(x + 0.5, y + 0.5, kInner)) c.Set(x, y, bars.Get(x, y));
    // The padlock: a gold body hanging from a steel shackle.
    Canvas lock(kTile, kTile);
    ShadeColumn(lock, 27, 27, 36, 33, 3, palette::Steel, 0.2, 1.0);
    for (int y = 29; y <= 33; ++y)
        for (int x = 30; x <= 33; ++x) lock.Clear(x, y);
    ShadeSlab(lock, 25, 33, 38, 44, 2, 2, palette::Gold, 0.55);
    FillRect(lock, 31, 37, 32, 40, palette::Ink);
    AddOutline(lock, palette::Ink);
    Stamp(c, lock, 0, 0);
}

Canvas PaintArch(Flight flight, const Ramp& light) {
    Canvas c(kTile, kTile);
    PaintFrame(c);
    PaintSteps(c, flight, light);
    PaintLamp(c, light);
    return c;
}

}  // namespace

Canvas PaintStairUp() {
    Canvas c = PaintArch(Flight::Up, palette::Ice);
    PaintArrow(c, 22, 22, true, palette::Ice);
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintStairDown(bool open) {
    Canvas c = PaintArch(Flight::Down, open ? palette::Emerald : palette::Red);
    if (open) {
        PaintArrow(c, 41, 21, false, palette::Emerald);
    } else {
        PaintPortcullis(c);
    }
    AddOutline(c, palette::Ink);
    return c;
}

}  // namespace resgen
