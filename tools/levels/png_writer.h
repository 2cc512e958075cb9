// A minimal PNG encoder for the level pictures: 8-bit RGB, no interlacing, each row filtered the
// way that compresses it best, deflated by zlib. Any thread; no state.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace levels {

// The PNG file's bytes for width x height pixels (0xRRGGBB, the top byte ignored), row by row
// from the top. Empty when the sizes do not match the pixels or zlib fails.
std::string EncodePng(std::int32_t width, std::int32_t height,
                      std::span<const std::uint32_t> pixels);

}  // namespace levels
