// Painting operations of the resource generator's canvas.
// Called on the generator's one thread.
#include "tools/resgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace resgen {

namespace {

std::uint8_t Channel(double v) {
    const double r = std::floor(v + 0.5);
    return static_cast<std::uint8_t>(r < 0.0 ? 0.0 : (r > 255.0 ? 255.0 : r));
}

}  // namespace

Colour Mix(Colour a, Colour b, double t) {
    return Colour{Channel(a.R + (b.R - a.R) * t), Channel(a.G + (b.G - a.G) * t),
                  Channel(a.B + (b.B - a.B) * t)};
}

Colour Scale(Colour c, double f) {
    return Colour{Channel(c.R * f), Channel(c.G * f), Channel(c.B * f)};
}

Canvas::Canvas(int width, int height, Colour fill)
    : Width(width), Height(height), Pixels(static_cast<std::size_t>(width) * height, fill) {}

void Canvas::Set(int x, int y, Colour c) {
    if (!Inside(x, y)) return;
    if (c == Key) c.G = 1;
    Pixels[static_cast<std::size_t>(y) * Width + x] = c;
}

void Canvas::Clear(int x, int y) {
    if (Inside(x, y)) Pixels[static_cast<std::size_t>(y) * Width + x] = Key;
}

void Canvas::Blend(int x, int y, Colour c, double a) {
    if (!Inside(x, y) || a <= 0.0) return;
    Set(x, y, IsKey(x, y) ? c : Mix(Get(x, y), c, std::min(a, 1.0)));
}

void FillRect(Canvas& c, int x0, int y0, int x1, int y1, Colour col) {
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) c.Set(x, y, col);
}

void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, Colour col) {
    for (int y = 0; y < c.Height; ++y) {
        for (int x = 0; x < c.Width; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) c.Set(x, y, col);
        }
    }
}

void DrawLine(Canvas& c, int x0, int y0, int x1, int y1, Colour col) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        c.Set(x0, y0, col);
        if (x0 == x1 && y0 == y1) return;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x0 += sx;
        if (e2 <= dx) err += dx, y0 += sy;
    }
}

void FillPolygon(Canvas& c, const std::vector<double>& xy, Colour col) {
    const std::size_t n = xy.size() / 2;
    for (int y = 0; y < c.Height; ++y) {
        const double py = y + 0.5;
        for (int x = 0; x < c.Width; ++x) {
            const double px = x + 0.5;
            bool inside = false;
            for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
                const double xi = xy[2 * i], yi = xy[2 * i + 1];
                const double xj = xy[2 * j], yj = xy[2 * j + 1];
                if ((yi > py) != (yj > py) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
                    inside = !inside;
            }
            if (inside) c.Set(x, y, col);
        }
    }
}

void AddOutline(Canvas& c, Colour col) {
    const Canvas before = c;
    for (int y = 0; y < c.Height; ++y) {
        for (int x = 0; x < c.Width; ++x) {
            if (!before.IsKey(x, y)) continue;
            const bool touches = !before.IsKey(x - 1, y) || !before.IsKey(x + 1, y) ||
                                 !before.IsKey(x, y - 1) || !before.IsKey(x, y + 1);
            if (touches) c.Set(x, y, col);
        }
    }
}

void AddShadow(Canvas& c, int dx, int dy, Colour col) {
    const Canvas before = c;
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x)
            if (before.IsKey(x, y) && !before.IsKey(x - dx, y - dy)) c.Set(x, y, col);
}

Canvas MirrorX(const Canvas& c) {
    Canvas out(c.Width, c.Height);
    for (int y = 0; y < c.Height; ++y)
        for (int x = 0; x < c.Width; ++x) out.Pixels[y * c.Width + x] = c.Get(c.Width - 1 - x, y);
    return out;
}

void Stamp(Canvas& dst, const Canvas& src, int x, int y) {
    for (int j = 0; j < src.Height; ++j)
        for (int i = 0; i < src.Width; ++i)
            if (!src.IsKey(i, j)) dst.Set(x + i, y + j, src.Get(i, j));
}

double Bayer(int x, int y) {
    static constexpr int kMatrix[4][4] = {
        {0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (kMatrix[y & 3][x & 3] + 0.5) / 16.0;
}

Colour Ramp::Pick(double level, int x, int y) const {
    const double pos = level * static_cast<double>(Steps.size() - 1);
    const double base = std::floor(pos);
    const int index = static_cast<int>(base) + (pos - base > Bayer(x, y) ? 1 : 0);
    return At(index);
}

Colour Ramp::Band(double level, int x, int y) const {
    const double pos = level * static_cast<double>(Steps.size() - 1);
    const double base = std::floor(pos);
    const double frac = std::clamp((pos - base - 0.5) * 3.0 + 0.5, 0.0, 1.0);
    return At(static_cast<int>(base) + (frac > Bayer(x, y) ? 1 : 0));
}

Colour Ramp::At(int i) const {
    return Steps[static_cast<std::size_t>(std::clamp(i, 0, static_cast<int>(Steps.size()) - 1))];
}

}  // namespace resgen
