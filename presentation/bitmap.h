// Windows bitmap decoding, shared by LoadBitmap (files) and the tests and fuzzer (memory).
// Accepts 12-byte and 16..124-byte info headers, 1/2/4/8-bit palettes, 16/24/32-bit pixels with
// or without bit-field masks, bottom-up and top-down rows; refuses run-length compression. Reads
// only the rows and columns that fit the image, so hostile sizes cost nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "presentation/screen_services.h"

namespace presentation {

// Copies up to n bytes from offset into dst and returns how many it copied (fewer at the end).
using ReadAt = std::function<std::size_t(std::uint64_t offset, std::uint8_t* dst, std::size_t n)>;

LoadStatus DecodeBitmap(const ReadAt& read, ImageBuffer& image);
LoadStatus DecodeBitmap(std::span<const std::uint8_t> bytes, ImageBuffer& image);

}  // namespace presentation
