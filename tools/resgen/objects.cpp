// Loose objects of the map: the boulder, the toxic barrel, the leak drop, TNT (lying and lit) and
// the pickaxe. All are drawn Keyed over the backdrop, so everything around them stays magenta.
// Called on the generator's one thread.
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "tools/resgen/art.h"
#include "tools/resgen/font.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/noise.h"
#include "tools/resgen/paint.h"
#include "tools/resgen/palette.h"
#include "tools/resgen/rng.h"

namespace resgen {

namespace {

constexpr int kTile = 64;

// The boulder's outline: a lumpy ellipse, flattened at the bottom where it rests.
double StoneRadius(double dx, double dy, std::uint32_t seed) {
    const double d = mathx::Sqrt(dx * dx + dy * dy);
    if (d <= 0.0) return 1.0;
    const double lump = TileNoise(32 + 22 * dx / d, 32 + 22 * dy / d, kTile, 6, seed);
    return 0.93 + 0.1 * lump;
}

constexpr std::uint32_t kStoneSeed = 6606;

// Pixel position to the boulder's unit coordinates: an ellipse, flattened at the bottom where
// it rests on the ground.
void StoneCoordinates(double px, double py, double& u, double& v) {
    u = (px - 32.0) / 28.5;
    v = (py - 34.5) / 26.5;
    if (v > 0.5) v = 0.5 + (v - 0.5) * 1.3;
}

// The boulder lit as a sphere with a slightly rough surface.
Colour StonePixel(int x, int y) {
    double u = 0, v = 0;
    StoneCoordinates(x + 0.5, y + 0.5, u, v);
    const double r = StoneRadius(u, v, kStoneSeed);
    u /= r, v /= r;
    const double nz = mathx::Sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double n = TileFbm(x, y, kTile, 4, 4, kStoneSeed + 1);
    const double bumps = (TileFbm(x - 1, y - 1, kTile, 8, 2, kStoneSeed + 4) -
                          TileFbm(x + 1, y + 1, kTile, 8, 2, kStoneSeed + 4)) *
                         0.8;
    const double light = Lambert(u, v, nz);
    double level = -0.08 + 1.1 * light * light * (1.6 - 0.6 * light) + (n - 0.5) * 0.12 + bumps;
    level -= 0.12 * std::max(0.0, v);                       // the ground darkens the underside
    if (u * u + v * v > 0.8 && u + v > 0.7) level += 0.14;  // light bounced off the floor
    const double hx = u + 0.4, hy = v + 0.48;
    if (hx * hx + hy * hy < 0.03) level += 0.2;  // a worn, shiny spot
    if (HashUnit(x, y, kStoneSeed + 3) > 0.96) level -= 0.14;
    return palette::Rock.Band(mathx::Clamp(level, 0.0, 1.0), x, y);
}

// A crack across a surface: a dark line with a lit lip just below it, kept inside the shape.
void PaintCrack(Canvas& c, const std::vector<std::array<int, 2>>& points,
                const std::function<bool(double, double)>& inside) {
    Canvas line(kTile, kTile);
    for (std::size_t i = 1; i < points.size(); ++i)
        DrawLine(line, points[i - 1][0], points[i - 1][1], points[i][0], points[i][1],
                 palette::Ink);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            if (line.IsKey(x, y) || !inside(x + 0.5, y + 0.5)) continue;
            c.Set(x, y, palette::Rock.At(1));
            if (line.IsKey(x, y + 1) && inside(x + 0.5, y + 1.5))
                c.Set(x, y + 1, palette::Rock.At(5));
        }
}

}  // namespace

Canvas PaintStone() {
    Canvas c(kTile, kTile);
    auto inside = [](double px, double py) {
        double u = 0, v = 0;
        StoneCoordinates(px, py, u, v);
        return mathx::Sqrt(u * u + v * v) <= StoneRadius(u, v, kStoneSeed);
    };
    Canvas shadow(kTile, kTile);  // its shadow on the ground, dithered to look soft
    FillEllipse(shadow, 32, 60.5, 26, 3.5, palette::Ink);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x)
            if (!shadow.IsKey(x, y) && (x + y) % 2 == 0) c.Set(x, y, palette::Ink);
    PaintShape(c, inside, StonePixel, true, palette::Rock.At(0));
    PaintCrack(c, {{20, 14}, {24, 20}, {23, 25}, {28, 31}}, inside);
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintBarrel() {
    Canvas c(kTile, kTile);
    ShadeColumn(c, 11, 9, 52, 60, 6, palette::Blight, 0.12, 1.0);
    for (int ry : {20, 47}) ShadeColumn(c, 10, ry, 53, ry + 3, 1.5, palette::Steel, 0.1, 0.95);
    // Lid: a dark rim ellipse with the toxic slime welling over it.
    ShadeBall(c, 31.5, 11, 20.5, 4.5, palette::Blight, 0.0, 0.45);
    ShadeBall(c, 31.5, 10.5, 18, 3.5, palette::Toxic, 0.35, 1.0, false);
    const double drips[][2] = {{17, 10}, {25, 17}, {40, 8}, {46, 13}};
    for (const auto& d : drips) {
        ShadeRod(c, d[0], 10, d[0], 10 + d[1], 4, palette::Toxic, 0.3, 1.0, false);
        ShadeBall(c, d[0], 11 + d[1], 3, 3.2, palette::Toxic, 0.3, 1.0, false);
    }
    // A hazard roundel: black trefoil on yellow.
    const double lx = 32, ly = 34, R = 10.5;
    ShadeBall(c, lx, ly, R, R, palette::Helmet, 0.45, 1.0);
    const double axes[3][2] = {{0.0, -1.0}, {0.866, 0.5}, {-0.866, 0.5}};
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double dx = x + 0.5 - lx, dy = y + 0.5 - ly;
            const double d = mathx::Sqrt(dx * dx + dy * dy);
            bool ink = d < 0.2 * R;
            for (const auto& a : axes)
                if (d > 0.3 * R && d < 0.84 * R && (dx * a[0] + dy * a[1]) / d > 0.87) ink = true;
            if (ink) c.Set(x, y, palette::Ink);
        }
    }
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintLeak() {
    Canvas c(kTile, kTile);
    const double cx = 32, cy = 41, R = 13, tip = 12;
    // A teardrop: a round belly tapering to a point at the top.
    auto halfWidth = [&](double py) {
        if (py >= cy) return mathx::Sqrt(std::max(0.0, R * R - (py - cy) * (py - cy)));
        const double t = (py - tip) / (cy - tip);
        return t <= 0.0 ? -1.0 : R * t * mathx::Sqrt(t) * (1.5 - 0.5 * t);
    };
    auto inside = [&](double px, double py) { return std::abs(px - cx) <= halfWidth(py); };
    auto shade = [&](int x, int y) {
        const double w = std::max(halfWidth(y + 0.5), 1.0);
        const double u = (x + 0.5 - cx) / w, v = (y + 0.5 - cy) / (R * 1.6);
        const double nz = mathx::Sqrt(std::max(0.0, 1.0 - u * u));
        // Light shining through the drop brightens its lower right, as in a lens.
        const double level = 0.12 + 0.8 * Lambert(u, v, nz) + 0.12 * std::max(0.0, u * v);
        return palette::Toxic.Pick(mathx::Clamp(level, 0.0, 1.0), x, y);
    };
    // A purple skin, like the dead earth it drips from, and bubbles rising inside.
    PaintShape(c, inside, shade, true, palette::Blight.At(3));
    ShadeBall(c, 26.5, 35, 2.5, 4, palette::Toxic, 0.9, 1.0, false);  // highlight
    for (const auto& b : {std::array<double, 3>{36, 45, 3.0}, {30, 50, 2.2}, {39, 36, 2.0}}) {
        FillEllipse(c, b[0], b[1], b[2], b[2], palette::Toxic.At(1));
        FillEllipse(c, b[0], b[1], b[2] - 1.0, b[2] - 1.0, palette::Toxic.At(4));
        c.Set(static_cast<int>(b[0] - 1), static_cast<int>(b[1] - 1), palette::Toxic.At(7));
    }
    ShadeBall(c, 22, 12, 2.5, 3, palette::Toxic, 0.3, 1.0);
    ShadeBall(c, 43, 22, 2, 2.2, palette::Toxic, 0.3, 1.0);
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintTnt(bool lit) {
    Canvas c(kTile, kTile);
    ShadeColumn(c, 12, 21, 24, 59, 5, palette::Red, 0.12, 1.0);
    ShadeColumn(c, 39, 21, 51, 59, 5, palette::Red, 0.12, 1.0);
    ShadeColumn(c, 25, 17, 38, 59, 5, palette::Red, 0.12, 1.0);
    for (int band : {29, 49}) ShadeColumn(c, 11, band, 52, band + 3, 1, palette::Leather, 0.1, 1.0);
    ShadeSlab(c, 18, 35, 45, 45, 1, 1, palette::Mortar, 0.0);
    FillRect(c, 19, 36, 44, 44, Hex(0xF2E6C8));
    const Colour red[7] = {palette::Red.At(3), palette::Red.At(3), palette::Red.At(3),
                           palette::Red.At(2), palette::Red.At(2), palette::Red.At(2),
                           palette::Red.At(1)};
    DrawLetters(c, 23, 37, "TNT", 1, red);
    // Fuse: a dark cord curling up from the middle stick.
    const int fuse[][2] = {{31, 17}, {31, 15}, {32, 13}, {33, 11}, {35, 10},
                           {37, 9},  {39, 9},  {41, 8},  {42, 7},  {43, 6}};
    for (const auto& p : fuse) {
        c.Set(p[0], p[1], Hex(0x4A4038));
        c.Set(p[0] + 1, p[1], Hex(0x2A2220));
    }
    if (lit) {
        Rng rng(7707);
        for (int i = 0; i < 22; ++i) {
            const int sx = 44 + rng.Below(11) - 5, sy = 6 + rng.Below(9) - 4;
            c.Set(sx, sy, rng.Below(2) ? palette::Fire.At(5) : palette::Fire.At(7));
        }
        DrawGlint(c, 44, 6, 5, Hex(0xFFFFFF), palette::Fire.At(6));
    }
    AddOutline(c, palette::Ink);
    return c;
}

Canvas PaintPickaxe() {
    Canvas c(kTile, kTile);
    ShadeRod(c, 13, 57, 42, 16, 6, palette::Wood, 0.15, 1.0);
    // Head: a curved steel blade across the top of the handle, pointed at both ends.
    const double hx = 42, hy = 16;
    const double dx = 29.0 / 50.3, dy = -41.0 / 50.3;  // along the handle, upwards
    const double px = -dy, py = dx;                    // across it
    std::vector<double> upper, lower;
    for (int i = 0; i <= 20; ++i) {
        const double s = -1.0 + i / 10.0;
        const double back = 7.0 * s * s;  // the ends bend down towards the hand
        const double w = 4.6 * (1.0 - s * s) + 0.6;
        const double mx = hx + px * s * 25 - dx * back, my = hy + py * s * 25 - dy * back;
        upper.insert(upper.end(), {mx + dx * w, my + dy * w});
        lower.insert(lower.begin(), {mx - dx * w, my - dy * w});
    }
    upper.insert(upper.end(), lower.begin(), lower.end());
    Canvas head(kTile, kTile);
    FillPolygon(head, upper, palette::Steel.At(4));
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) {
            if (head.IsKey(x, y)) continue;
            const double along = (x + 0.5 - hx) * dx + (y + 0.5 - hy) * dy;  // + is the top edge
            const double level = 0.62 + along * 0.09 - (x + 0.5 - hx) * 0.004;
            head.Set(x, y, palette::Steel.Pick(mathx::Clamp(level, 0.05, 1.0), x, y));
        }
    AddOutline(head, palette::Steel.At(0));
    Stamp(c, head, 0, 0);
    ShadeSlab(c, 38, 13, 45, 20, 1, 1, palette::Leather, 0.6);  // the wedge holding the head
    AddOutline(c, palette::Ink);
    return c;
}

}  // namespace resgen
