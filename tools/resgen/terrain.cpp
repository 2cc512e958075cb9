// Terrain tiles: the cave backdrop, earth (plain, with crystals, and dead), the massive wall and
// the breakable brick block. The cover tiles wrap at their edges so that neighbours join without
// seams, and they paint every pixel: the game draws them Opaque.
// Called on the generator's one thread.
#include <algorithm>
#include <cmath>

#include "tools/resgen/art.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/noise.h"
#include "tools/resgen/paint.h"
#include "tools/resgen/palette.h"
#include "tools/resgen/rng.h"

namespace resgen {

namespace {

constexpr int kTile = 64;
constexpr std::uint32_t kEarthSeed = 1101;

// Height-field relief: positive where the surface of fbm faces the top-left light.
double Relief(double x, double y, int cells, std::uint32_t seed) {
    return TileFbm(x - 1, y - 1, kTile, cells, 3, seed) -
           TileFbm(x + 1, y + 1, kTile, cells, 3, seed);
}

// Small embedded stones in soil: shaded pebbles on about a third of the cells.
bool PaintPebble(Canvas& c, int x, int y, int cells, std::uint32_t seed, const Ramp& ramp) {
    const Cellular cell = TileCells(x + 0.5, y + 0.5, kTile, cells, seed);
    if (cell.Id % 3 != 0) return false;
    const double radius = 1.8 + 2.4 * ((cell.Id >> 8) % 100) / 100.0;
    if (cell.Nearest > radius) return false;
    const double u = cell.Dx / radius, v = cell.Dy / radius * 1.3;
    const double nz = mathx::Sqrt(std::max(0.0, 1.0 - u * u - v * v));
    const double level =
        cell.Nearest > radius - 0.9 && u + v > 0.2 ? 0.0 : 0.1 + 0.9 * Lambert(u, v, nz);
    c.Set(x, y, ramp.Pick(level, x, y));
    return true;
}

void PaintSoil(Canvas& c, const Ramp& ramp, std::uint32_t seed, double base) {
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double n = TileFbm(x, y, kTile, 4, 4, seed);
            const double clumps = TileFbm(x, y, kTile, 8, 2, seed + 50);
            double level = base + (n - 0.5) * 0.55 + Relief(x, y, 8, seed + 50) * 2.6;
            if (clumps < 0.32) level -= 0.16;  // small hollows between clods
            const double grain = HashUnit(x, y, seed + 3);
            if (grain > 0.94) level += 0.2;
            if (grain < 0.05) level -= 0.22;
            c.Set(x, y, ramp.Band(mathx::Clamp(level, 0.0, 1.0), x, y));
        }
    }
}

constexpr std::uint32_t kBrickSeed = 5505;

// Bricks 32 x 16 in running bond with 2-pixel mortar joints; each brick its own tone, lit on its
// top and left edges.
Colour BrickPixel(int x, int y) {
    const int row = y / 16, inRowY = y % 16;
    const int offset = (row % 2) * 16;
    const int bx = (x + offset) % 32, brick = (x + offset) / 32 + row * 3;
    const double n = TileFbm(x, y, kTile, 8, 2, kBrickSeed);
    if (inRowY >= 14 || bx >= 30) return palette::Mortar.Pick(0.3 + n * 0.4, x, y);
    double level = 0.48 + (HashUnit(brick, 0, kBrickSeed) - 0.5) * 0.2 + (n - 0.5) * 0.35;
    if (inRowY < 2 || bx < 2)
        level += 0.25;
    else if (inRowY > 11 || bx > 27)
        level -= 0.22;
    if (HashUnit(x, y, kBrickSeed + 1) > 0.95) level -= 0.2;  // pits in the clay
    return palette::Brick.Pick(mathx::Clamp(level, 0.0, 1.0), x, y);
}

}  // namespace

Canvas PaintBackground() {
    Canvas c(kTile, kTile);
    const std::uint32_t seed = 2202;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            // Many small faces with faint joints: large shapes would show the tiling.
            const Cellular cell = TileCells(x + 0.5, y + 0.5, kTile, 6, seed);
            const double n = TileFbm(x, y, kTile, 8, 2, seed + 1);
            double level = 0.4 + (n - 0.5) * 0.45 + Relief(x, y, 16, seed + 1) * 1.0;
            const double seam = cell.Second - cell.Nearest;
            if (seam < 1.0)
                level -= 0.2;
            else if (seam < 2.0 && cell.Dx + cell.Dy < 0)
                level += 0.06;  // lit lip of the joint
            c.Set(x, y, palette::Cave.Pick(mathx::Clamp(level, 0.0, 1.0), x, y));
        }
    }
    return c;
}

Canvas PaintEarth() {
    Canvas c(kTile, kTile);
    PaintSoil(c, palette::Earth, kEarthSeed, 0.5);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) PaintPebble(c, x, y, 5, kEarthSeed + 9, palette::Pebble);
    return c;
}

Canvas PaintCrystalEarth(bool bonus) {
    Canvas c = PaintEarth();
    // A socket of dark soil around the crystal, so it sits in the earth rather than on it.
    FillEllipse(c, 33, 35, 19, 17, palette::Earth.At(1));
    FillEllipse(c, 33, 34, 17, 15, palette::Earth.At(0));
    DrawGem(c, 33, 34, 30, bonus);
    DrawGem(c, 13, 14, 12, bonus);
    DrawGlint(c, 24, 24, 4, Hex(0xFFFFFF), bonus ? palette::Gold.At(6) : palette::Ice.At(6));
    return c;
}

Canvas PaintDeadEarth() {
    Canvas c(kTile, kTile);
    const std::uint32_t seed = 3303;
    PaintSoil(c, palette::Blight, seed, 0.5);
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const Cellular vein = TileCells(x + 0.5, y + 0.5, kTile, 3, seed + 7);
            const double seam = vein.Second - vein.Nearest;
            if (seam < 1.0)
                c.Set(x, y, palette::Toxic.At(5));
            else if (seam < 2.2)
                c.Set(x, y, palette::Toxic.Pick(0.45, x, y));
            else if (seam < 3.2)
                c.Set(x, y, palette::Blight.At(0));
        }
    }
    // Bubbles of slime breaking the surface.
    Rng rng(seed);
    for (int i = 0; i < 6; ++i) {
        const double bx = rng.Range(6, 58), by = rng.Range(6, 52), r = rng.Range(2.2, 4.5);
        ShadeBall(c, bx, by, r, r, palette::Toxic, 0.3, 1.0);
        c.Set(static_cast<int>(bx - r * 0.35), static_cast<int>(by - r * 0.35),
              palette::Toxic.At(7));
    }
    return c;
}

Canvas PaintMassive() {
    Canvas c(kTile, kTile);
    const std::uint32_t seed = 4404;
    for (int y = 0; y < kTile; ++y) {
        for (int x = 0; x < kTile; ++x) {
            const double n = TileFbm(x, y, kTile, 4, 3, seed);
            double level = 0.42 + (n - 0.5) * 0.22 + (HashUnit(0, y, seed) - 0.5) * 0.08;
            const int light = std::min(x, y), dark = std::min(kTile - 1 - x, kTile - 1 - y);
            if (dark < 1)
                level = 0.0;
            else if (light < 1)
                level = 0.95;
            else if (dark < 5 && dark <= light)
                level = 0.2;
            else if (light < 5)
                level = 0.72;
            else if (x > 14 && x < 49 && y > 14 && y < 49)
                level -= 0.1;  // recessed centre
            c.Set(x, y, palette::Steel.Band(mathx::Clamp(level, 0.0, 1.0), x, y));
        }
    }
    // Frame of the recessed centre: shadowed on the top and left, lit on the bottom and right.
    DrawLine(c, 14, 14, 49, 14, palette::Steel.At(1));
    DrawLine(c, 14, 14, 14, 49, palette::Steel.At(1));
    DrawLine(c, 15, 49, 49, 49, palette::Steel.At(5));
    DrawLine(c, 49, 15, 49, 49, palette::Steel.At(5));
    for (int ry : {9, 54})
        for (int rx : {9, 54}) {
            ShadeBall(c, rx + 0.5, ry + 0.5, 3.2, 3.2, palette::Steel, 0.15, 1.0);
        }
    return c;
}

Canvas PaintBlock() {
    Canvas c(kTile, kTile);
    for (int y = 0; y < kTile; ++y)
        for (int x = 0; x < kTile; ++x) c.Set(x, y, BrickPixel(x, y));
    // Cracks: the block gives way to a pickaxe.
    Rng rng(kBrickSeed);
    for (int crack = 0; crack < 3; ++crack) {
        int x = 10 + rng.Below(44), y = 4 + rng.Below(10);
        for (int step = 0; step < 30 && y < 62; ++step) {
            c.Set(x, y, palette::Brick.At(0));
            c.Set(x + 1, y, palette::Brick.At(5));
            x += rng.Below(3) - 1;
            y += 1 + (rng.Below(4) == 0 ? 1 : 0);
        }
    }
    for (int i = 0; i < kTile; ++i) {  // a dark border so bricks stand off the backdrop
        c.Set(i, 0, palette::Ink);
        c.Set(i, kTile - 1, palette::Ink);
        c.Set(0, i, palette::Ink);
        c.Set(kTile - 1, i, palette::Ink);
    }
    for (int corner : {0, 1}) {  // chipped corners
        c.Clear(corner * 63, 0);
        c.Clear(corner * 63, 63);
    }
    return c;
}

}  // namespace resgen
