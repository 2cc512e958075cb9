// Crystals: the plain one a cut diamond in ice blue, the bonus one an octagonal brilliant in gold,
// so they differ in colour and in outline. Drawn facet by facet, each facet lit by its direction.
// Called on the generator's one thread.
#include <vector>

#include "tools/resgen/art.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/palette.h"

namespace resgen {

namespace {

struct Facet {
    std::vector<double> Points;  // x0, y0, x1, y1, ... in half-widths from the gem's centre
    double Level;                // brightness 0..1 before the gradient
};

// A diamond seen from the side: a flat crown of five facets over a pointed pavilion of three.
std::vector<Facet> DiamondFacets() {
    const double t = -0.70, g = -0.24, b = 0.92;
    const double T1[] = {-0.55, t}, T2[] = {0.0, t}, T3[] = {0.55, t};
    const double Ga[] = {-1.0, g}, Gb[] = {-0.36, g}, Gc[] = {0.36, g}, Gd[] = {1.0, g};
    const double B[] = {0.0, b};
    auto tri = [](const double* p, const double* q, const double* r, double level) {
        return Facet{{p[0], p[1], q[0], q[1], r[0], r[1]}, level};
    };
    return {tri(Ga, T1, Gb, 0.74), tri(T1, T2, Gb, 0.95), tri(T2, Gc, Gb, 0.62),
            tri(T2, T3, Gc, 0.80), tri(T3, Gd, Gc, 0.50), tri(Ga, Gb, B, 0.52),
            tri(Gb, Gc, B, 0.38),  tri(Gc, Gd, B, 0.22)};
}

// A round brilliant seen from above: an octagonal table ringed by star and side facets.
std::vector<Facet> BrilliantFacets() {
    std::vector<double> outer, inner, mid;
    for (int k = 0; k < 8; ++k) {
        const double a = (k + 0.5) * mathx::Pi / 4;
        outer.insert(outer.end(), {mathx::Cos(a), mathx::Sin(a)});
        inner.insert(inner.end(), {0.52 * mathx::Cos(a), 0.52 * mathx::Sin(a)});
        const double m = (k + 1.0) * mathx::Pi / 4;
        mid.insert(mid.end(), {0.96 * mathx::Cos(m), 0.96 * mathx::Sin(m)});
    }
    std::vector<Facet> facets{{inner, 0.80}};
    for (int k = 0; k < 8; ++k) {
        const int n = (k + 1) % 8;
        const double mx = mid[2 * k], my = mid[2 * k + 1];
        const double toLight = (mx * -0.7071 + my * -0.7071);  // -1 .. 1
        const double level = 0.48 + 0.42 * toLight;
        facets.push_back({{inner[2 * k], inner[2 * k + 1], inner[2 * n], inner[2 * n + 1], mx, my},
                          level + 0.12});
        facets.push_back({{inner[2 * k], inner[2 * k + 1], mx, my, outer[2 * k], outer[2 * k + 1]},
                          level - 0.06});
        facets.push_back({{inner[2 * n], inner[2 * n + 1], outer[2 * n], outer[2 * n + 1], mx, my},
                          level + 0.02});
    }
    return facets;
}

void PaintFacet(Canvas& c, const Facet& f, double cx, double cy, double half, const Ramp& ramp) {
    std::vector<double> xy;
    for (std::size_t i = 0; i < f.Points.size(); i += 2) {
        xy.push_back(cx + f.Points[i] * half);
        xy.push_back(cy + f.Points[i + 1] * half);
    }
    Canvas mask(c.Width, c.Height);
    FillPolygon(mask, xy, palette::Ink);
    for (int y = 0; y < c.Height; ++y) {
        for (int x = 0; x < c.Width; ++x) {
            if (mask.IsKey(x, y)) continue;
            const double gradient = -((x + 0.5 - cx) + (y + 0.5 - cy)) / half * 0.07;
            c.Set(x, y, ramp.Pick(mathx::Clamp(f.Level + gradient, 0.0, 1.0), x, y));
        }
    }
}

}  // namespace

void DrawGlint(Canvas& c, int cx, int cy, int arm, Colour core, Colour halo) {
    c.Set(cx, cy, core);
    for (int i = 1; i <= arm; ++i) {
        const Colour col = i <= arm / 2 ? core : halo;
        c.Set(cx + i, cy, col);
        c.Set(cx - i, cy, col);
        c.Set(cx, cy + i, col);
        c.Set(cx, cy - i, col);
    }
    if (arm >= 3)
        for (int d : {-1, 1}) {
            c.Set(cx + d, cy + 1, halo);
            c.Set(cx + d, cy - 1, halo);
        }
}

void DrawGem(Canvas& c, double cx, double cy, double size, bool bonus) {
    const Ramp& ramp = bonus ? palette::Gold : palette::Ice;
    const double half = size / 2;
    Canvas gem(c.Width, c.Height);
    const double oy = bonus ? 0.0 : -0.11 * half;  // the diamond's bulk sits above its point
    for (const Facet& f : bonus ? BrilliantFacets() : DiamondFacets())
        PaintFacet(gem, f, cx, cy + oy, half, ramp);
    AddOutline(gem, palette::Ink);
    Stamp(c, gem, 0, 0);
}

Canvas PaintCrystal(bool bonus) {
    Canvas c(64, 64);
    DrawGem(c, 32, 33, bonus ? 46 : 50, bonus);
    const Colour halo = bonus ? palette::Gold.At(6) : palette::Ice.At(6);
    DrawGlint(c, bonus ? 20 : 19, bonus ? 20 : 17, 5, Hex(0xFFFFFF), halo);
    DrawGlint(c, bonus ? 45 : 44, bonus ? 42 : 36, 2, Hex(0xFFFFFF), halo);
    return c;
}

}  // namespace resgen
