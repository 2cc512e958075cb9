// Tileable value noise and cellular noise for the generator's textures.
// Pure functions; any thread.
#include "tools/resgen/noise.h"

#include <cmath>

#include "tools/resgen/mathx.h"
#include "tools/resgen/rng.h"

namespace resgen {

namespace {

int Wrap(int v, int n) {
    return ((v % n) + n) % n;
}

double Fade(double t) {
    return t * t * (3.0 - 2.0 * t);
}

}  // namespace

double TileNoise(double x, double y, int size, int cells, std::uint32_t seed) {
    const double step = static_cast<double>(size) / cells;
    const double gx = x / step;
    const double gy = y / step;
    const double fx = std::floor(gx);
    const double fy = std::floor(gy);
    const int x0 = Wrap(static_cast<int>(fx), cells);
    const int y0 = Wrap(static_cast<int>(fy), cells);
    const int x1 = Wrap(x0 + 1, cells);
    const int y1 = Wrap(y0 + 1, cells);
    const double tx = Fade(gx - fx);
    const double ty = Fade(gy - fy);
    const double top = mathx::Lerp(HashUnit(x0, y0, seed), HashUnit(x1, y0, seed), tx);
    const double bottom = mathx::Lerp(HashUnit(x0, y1, seed), HashUnit(x1, y1, seed), tx);
    return mathx::Lerp(top, bottom, ty);
}

double TileFbm(double x, double y, int size, int cells, int octaves, std::uint32_t seed) {
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int o = 0; o < octaves; ++o) {
        sum += weight * TileNoise(x, y, size, cells, seed + static_cast<std::uint32_t>(o) * 101U);
        total += weight;
        weight *= 0.5;
        cells *= 2;
    }
    return sum / total;
}

Cellular TileCells(double x, double y, int size, int cells, std::uint32_t seed) {
    const double step = static_cast<double>(size) / cells;
    const int cx = static_cast<int>(std::floor(x / step));
    const int cy = static_cast<int>(std::floor(y / step));
    Cellular out{1e9, 1e9, 0.0, 0.0, 0};
    for (int j = -1; j <= 1; ++j) {
        for (int i = -1; i <= 1; ++i) {
            const int wx = Wrap(cx + i, cells);
            const int wy = Wrap(cy + j, cells);
            const double px = (cx + i + 0.15 + 0.7 * HashUnit(wx, wy, seed)) * step;
            const double py = (cy + j + 0.15 + 0.7 * HashUnit(wx, wy, seed + 7U)) * step;
            const double d = mathx::Sqrt((px - x) * (px - x) + (py - y) * (py - y));
            if (d < out.Nearest) {
                out.Second = out.Nearest;
                out.Nearest = d;
                out.Dx = x - px;
                out.Dy = y - py;
                out.Id = HashPoint(wx, wy, seed + 13U);
            } else if (d < out.Second) {
                out.Second = d;
            }
        }
    }
    return out;
}

}  // namespace resgen
