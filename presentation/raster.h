// Internal to presentation/: pixel-level drawing into one ImageBuffer, clipped to it. No locks:
// the public operations in drawing.cpp take the screen's lock around these. Coordinates are 64-bit
// so that any 32-bit input, however far outside, clips without overflow.
#pragma once

#include <cstdint>
#include <string_view>

#include "presentation/screen_services.h"

namespace presentation::raster {

// The rectangle with corners (x1, y1) and (x2, y2) in either order, both included.
void FillRect(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              Pixel colour);
void Outline(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
             Pixel colour);
// The straight line with both end points; each pixel is the same whatever part is clipped away.
void Line(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
          Pixel colour);
// Pixels with dx*dx + dy*dy <= r*r + r; the outline is the disc's border, one pixel thick.
void Circle(ImageBuffer& t, std::int64_t cx, std::int64_t cy, std::int64_t r, Pixel colour,
            bool filled);
// Glyph pixels only, 8 pixels a character, no wrapping.
void Text(ImageBuffer& t, std::int64_t x, std::int64_t y, std::string_view text, Pixel colour);
// The whole source at (x, y); Keyed skips source pixels whose low 24 bits are the key colour.
void Blit(ImageBuffer& t, std::int64_t x, std::int64_t y, const ImageBuffer& src, PutMode mode);

// The rows of a Keyed blit: pitches in pixels, the width and rows already clipped. Picks the
// AVX2 version where the processor has it; both are branch-free per pixel.
void KeyedRect(Pixel* __restrict dst, std::int64_t dstPitch, const Pixel* __restrict src,
               std::int64_t srcPitch, std::int64_t width, std::int64_t rows);
void KeyedRectPortable(Pixel* __restrict dst, std::int64_t dstPitch, const Pixel* __restrict src,
                       std::int64_t srcPitch, std::int64_t width, std::int64_t rows);
void KeyedRectAvx2(Pixel* dst, std::int64_t dstPitch, const Pixel* src, std::int64_t srcPitch,
                   std::int64_t width, std::int64_t rows);

}  // namespace presentation::raster
