// Builds Windows bitmap files in memory for the loader's tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace presentation::testing {

struct BitmapRecipe {
    std::int32_t Width = 2;
    std::int32_t Height = 2;  // negative: top-down
    int Bits = 24;
    std::uint32_t InfoSize = 40;  // 12 for the core header
    std::uint32_t Compression = 0;
    std::uint16_t Planes = 1;
    std::vector<std::uint32_t> Masks;    // written after a short header, or inside a 108+ one
    std::vector<std::uint32_t> Palette;  // 0xRRGGBB entries
    // Pixel values per row, top row first: palette indices, or raw 16/24/32-bit values.
    std::vector<std::vector<std::uint32_t>> Rows;
};

std::vector<std::uint8_t> MakeBitmap(const BitmapRecipe& recipe);
// Writes the bytes to a file under the test's temporary folder and returns its path.
std::string WriteTempFile(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace presentation::testing
