// Shaded shapes: the building blocks of every sprite.
// Called on the generator's one thread.
#include "tools/resgen/paint.h"

#include <algorithm>
#include <cmath>

#include "tools/resgen/mathx.h"
#include "tools/resgen/palette.h"

namespace resgen {

namespace {

// The light, normalised: from the top left, tilted towards the viewer.
constexpr double kLx = -0.5183;
constexpr double kLy = -0.6220;
constexpr double kLz = 0.5868;

double Clamp01(double v) {
    return mathx::Clamp(v, 0.0, 1.0);
}

}  // namespace

double Lambert(double nx, double ny, double nz) {
    const double len = mathx::Sqrt(nx * nx + ny * ny + nz * nz);
    if (len <= 0.0) return 0.0;
    return std::max(0.0, (nx * kLx + ny * kLy + nz * kLz) / len);
}

void PaintShape(Canvas& c, const std::function<bool(double, double)>& inside,
                const std::function<Colour(int, int)>& shade, bool rim, Colour rimColour) {
    for (int y = 0; y < c.Height; ++y) {
        for (int x = 0; x < c.Width; ++x) {
            const double px = x + 0.5;
            const double py = y + 0.5;
            if (!inside(px, py)) continue;
            const bool edge = !inside(px - 1, py) || !inside(px + 1, py) || !inside(px, py - 1) ||
                              !inside(px, py + 1);
            c.Set(x, y, rim && edge ? rimColour : shade(x, y));
        }
    }
}

void ShadeBall(Canvas& c, double cx, double cy, double rx, double ry, const Ramp& ramp, double lo,
               double hi, bool rim) {
    auto inside = [&](double px, double py) {
        const double dx = (px - cx) / rx;
        const double dy = (py - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    auto shade = [&](int x, int y) {
        const double dx = (x + 0.5 - cx) / rx;
        const double dy = (y + 0.5 - cy) / ry;
        const double nz = mathx::Sqrt(std::max(0.0, 1.0 - dx * dx - dy * dy));
        return ramp.Pick(Clamp01(lo + (hi - lo) * Lambert(dx, dy, nz)), x, y);
    };
    PaintShape(c, inside, shade, rim, ramp.At(0));
}

bool InRoundRect(double px, double py, double x0, double y0, double x1, double y1, double r) {
    const double qx = std::max({x0 + r - px, px - (x1 + 1 - r), 0.0});
    const double qy = std::max({y0 + r - py, py - (y1 + 1 - r), 0.0});
    return qx * qx + qy * qy <= r * r && px >= x0 && px <= x1 + 1 && py >= y0 && py <= y1 + 1;
}

void ShadeColumn(Canvas& c, double x0, double y0, double x1, double y1, double radius,
                 const Ramp& ramp, double lo, double hi, bool rim) {
    auto inside = [&](double px, double py) { return InRoundRect(px, py, x0, y0, x1, y1, radius); };
    auto shade = [&](int x, int y) {
        const double u = ((x + 0.5) - x0) / (x1 + 1 - x0) * 2.0 - 1.0;  // -1 left .. 1 right
        const double v = ((y + 0.5) - y0) / (y1 + 1 - y0);              // 0 top .. 1 bottom
        const double nz = mathx::Sqrt(std::max(0.0, 1.0 - u * u));
        const double level = lo + (hi - lo) * Lambert(u, -0.25, nz) - 0.08 * v;
        return ramp.Pick(Clamp01(level), x, y);
    };
    PaintShape(c, inside, shade, rim, ramp.At(0));
}

void ShadeSlab(Canvas& c, double x0, double y0, double x1, double y1, double radius, double bevel,
               const Ramp& ramp, double face, bool rim) {
    auto inside = [&](double px, double py) { return InRoundRect(px, py, x0, y0, x1, y1, radius); };
    auto shade = [&](int x, int y) {
        const double px = x + 0.5;
        const double py = y + 0.5;
        const double left = px - x0, top = py - y0, right = x1 + 1 - px, bottom = y1 + 1 - py;
        double level = face;
        const double lightEdge = std::min(left, top);
        const double darkEdge = std::min(right, bottom);
        if (darkEdge < bevel && darkEdge <= lightEdge)
            level = face - 0.28;
        else if (lightEdge < bevel)
            level = face + 0.22;
        return ramp.Pick(Clamp01(level), x, y);
    };
    PaintShape(c, inside, shade, rim, ramp.At(0));
}

void ShadeRod(Canvas& c, double x0, double y0, double x1, double y1, double width, const Ramp& ramp,
              double lo, double hi, bool rim) {
    const double dx = x1 - x0, dy = y1 - y0;
    const double len2 = dx * dx + dy * dy;
    const double len = mathx::Sqrt(len2);
    const double half = width / 2;
    // Signed distance across the rod, -1 .. 1, and whether the point lies within its length.
    auto across = [&](double px, double py, double& t) {
        t = ((px - x0) * dx + (py - y0) * dy) / len2;
        return ((px - x0) * -dy + (py - y0) * dx) / len / half;
    };
    auto inside = [&](double px, double py) {
        double t = 0;
        const double a = across(px, py, t);
        return t >= 0.0 && t <= 1.0 && a >= -1.0 && a <= 1.0;
    };
    auto shade = [&](int x, int y) {
        double t = 0;
        const double a = across(x + 0.5, y + 0.5, t);
        // The surface normal points across the rod: perpendicular to its direction.
        const double nx = -dy / len * a, ny = dx / len * a;
        const double nz = mathx::Sqrt(std::max(0.0, 1.0 - a * a));
        return ramp.Pick(Clamp01(lo + (hi - lo) * Lambert(nx, ny, nz)), x, y);
    };
    PaintShape(c, inside, shade, rim, ramp.At(0));
}

}  // namespace resgen
