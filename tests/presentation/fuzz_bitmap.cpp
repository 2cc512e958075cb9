// Fuzz target: any bytes given to the bitmap decoder, for images of a few sizes, must neither
// crash nor read or write out of bounds, and must leave pixels only where the image has them.
#include <cstddef>
#include <cstdint>
#include <span>

#include "presentation/bitmap.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    // The first byte picks the target image's size, so partial copies are exercised too.
    const int side = 1 + data[0] % 70;
    presentation::ImageBuffer image(side, 1 + (data[0] / 70) % 3 * side, presentation::KeyColour);
    presentation::DecodeBitmap(std::span(data + 1, size - 1), image);
    return 0;
}
