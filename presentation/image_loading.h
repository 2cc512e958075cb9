// Turning a bitmap file into an image of its own size. Called while a screen's pictures are
// built (game thread, before the first frame).
#pragma once

#include <cstdint>
#include <string_view>

#include "presentation/screen_services.h"

namespace presentation {

struct BitmapSize {
    std::int32_t Width;   // pixels, as the header says (may be nonsense for a hostile file)
    std::int32_t Height;  // negative for a top-down bitmap
};

// The width and height from a bitmap header; (0, 0) when the file cannot be read or does not
// start with "BM". Bytes past the end of a short file read as 0.
BitmapSize ProbeBitmapSize(std::string_view path);

// An image of the probed size, every pixel KeyColour, with the bitmap loaded into it; null when
// no image could be made (missing file, not a bitmap, top-down, absurd size or one the file is far
// too small to hold, no screen).
Image LoadImageFile(std::string_view path);

}  // namespace presentation
