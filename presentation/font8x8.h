// Internal to presentation/: the game's own 8 x 8 font, 256 glyphs, one per byte value. The
// glyphs are drawn as text art in font8x8.inc and parsed once, on first use.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace presentation {

// Row 0 at the top; bit 7 of a row is the leftmost pixel.
using Glyph = std::array<std::uint8_t, 8>;
using FontTable = std::array<Glyph, 256>;

// Parses the text art: "= 0xHH label" lines, each followed by 8 rows of 8 '.' or '#'. Returns
// nothing and sets error on the first malformed line.
std::optional<FontTable> ParseFontArt(std::string_view art, std::string* error = nullptr);

// The glyph of one byte (blank for bytes the art does not draw).
const Glyph& GlyphFor(unsigned char byte);

}  // namespace presentation
