// The picture under construction: 24-bit colours, magenta where the backdrop shows, and the
// small set of painting operations every asset of the generator is built from. Generator thread.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace resgen {

struct Colour {
    std::uint8_t R = 0;
    std::uint8_t G = 0;
    std::uint8_t B = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

// Exactly magenta: the game's key colour. Painted colours are never allowed to equal it.
inline constexpr Colour Key{255, 0, 255};

constexpr Colour Hex(std::uint32_t rgb) {
    return Colour{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                  static_cast<std::uint8_t>(rgb)};
}

// Linear mix of two colours, t = 0 gives a, t = 1 gives b; rounded to the nearest level.
Colour Mix(Colour a, Colour b, double t);
// Multiplies every channel by f (clamped to 0..255).
Colour Scale(Colour c, double f);

struct Canvas {
    Canvas(int width, int height, Colour fill = Key);

    int Width;                   // pixels
    int Height;                  // pixels
    std::vector<Colour> Pixels;  // row-major from the top

    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    Colour Get(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
    // Clipped write; a colour equal to Key is nudged off it so that paint never turns invisible.
    void Set(int x, int y, Colour c);
    // Clipped write that may store Key: the way to cut holes.
    void Clear(int x, int y);
    bool IsKey(int x, int y) const { return !Inside(x, y) || Get(x, y) == Key; }
    // Blends c over the pixel with opacity a (0..1); over Key the colour is written as it is.
    void Blend(int x, int y, Colour c, double a);
};

// ---- Shapes (pixel centres decide coverage) ------------------------------------------------

void FillRect(Canvas& c, int x0, int y0, int x1, int y1, Colour col);  // corners inclusive
void FillEllipse(Canvas& c, double cx, double cy, double rx, double ry, Colour col);
void DrawLine(Canvas& c, int x0, int y0, int x1, int y1, Colour col);
// Fills the polygon given as x0, y0, x1, y1, ... (even-odd rule).
void FillPolygon(Canvas& c, const std::vector<double>& xy, Colour col);

// ---- Whole-picture passes -------------------------------------------------------------------

// Paints col on every key pixel that touches a painted pixel (4-neighbours): a 1-pixel outline.
void AddOutline(Canvas& c, Colour col);
// A drop shadow: key pixels at (x, y) whose pixel at (x - dx, y - dy) is painted become col.
void AddShadow(Canvas& c, int dx, int dy, Colour col);
Canvas MirrorX(const Canvas& c);
// Copies the painted pixels of src onto dst with src's corner at (x, y).
void Stamp(Canvas& dst, const Canvas& src, int x, int y);

// Ordered-dither threshold in [0, 1) of the 4 x 4 Bayer matrix at a pixel.
double Bayer(int x, int y);

// A colour ramp from dark to light; Pick chooses a step for a level in 0..1 with ordered
// dithering between neighbouring steps, the pixel-art way of shading.
struct Ramp {
    std::vector<Colour> Steps;  // darkest first

    Colour Pick(double level, int x, int y) const;
    // Like Pick, but dithers only near the middle between two steps: cleaner bands.
    Colour Band(double level, int x, int y) const;
    Colour At(int i) const;  // clamped index
};

}  // namespace resgen
