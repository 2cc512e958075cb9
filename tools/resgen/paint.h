// Shaded shapes for the generator's painters: domes, cylinders and slabs lit from the top left,
// each with a one-pixel rim in the ramp's darkest step, so parts read as separate pieces.
// Generator thread.
#pragma once

#include <functional>

#include "tools/resgen/canvas.h"

namespace resgen {

// Brightness 0..1 of a surface with the normal (nx, ny, nz) (need not be unit length) under the
// game's one light, which comes from the top left and a little from the front.
double Lambert(double nx, double ny, double nz);

// Paints every pixel whose centre passes `inside`: the rim pixels (some 4-neighbour outside) in
// rimColour when `rim` is set, the others in the colour `shade` gives for the pixel.
void PaintShape(Canvas& c, const std::function<bool(double, double)>& inside,
                const std::function<Colour(int, int)>& shade, bool rim, Colour rimColour);

// An ellipse shaded as a dome. Levels run from lo (in shadow) to hi (facing the light).
void ShadeBall(Canvas& c, double cx, double cy, double rx, double ry, const Ramp& ramp,
               double lo = 0.05, double hi = 1.0, bool rim = true);

// A rounded rectangle (corners inclusive) shaded as a cylinder standing upright.
void ShadeColumn(Canvas& c, double x0, double y0, double x1, double y1, double radius,
                 const Ramp& ramp, double lo = 0.05, double hi = 1.0, bool rim = true);

// A rounded rectangle with a flat face (level `face`) and a bevel of `bevel` pixels that is light
// on the top and left and dark on the bottom and right.
void ShadeSlab(Canvas& c, double x0, double y0, double x1, double y1, double radius, double bevel,
               const Ramp& ramp, double face, bool rim = true);

// Whether (px, py) lies in the rounded rectangle (x0, y0)-(x1, y1) with corner radius r.
bool InRoundRect(double px, double py, double x0, double y0, double x1, double y1, double r);

// A thick line from (x0, y0) to (x1, y1) of the given width, shaded as a rod.
void ShadeRod(Canvas& c, double x0, double y0, double x1, double y1, double width, const Ramp& ramp,
              double lo = 0.1, double hi = 0.95, bool rim = true);

}  // namespace resgen
