// The game's one number reader: every text the game turns into a number (typed level numbers,
// the cells of a level file) is read here, the same way. Pure functions; any thread.
//
// A text is read as: leading spaces (and tabs) skipped; then either "&H", "&O" or "&B" (either
// case) followed by digits of base 16, 8 or 2, or a decimal number with an optional sign, fraction
// and exponent whose letter may be e, E, d or D. Reading stops at the first character that does
// not fit; a text that does not begin with a number is 0. Values too large for a double read as
// infinity; nothing here overflows.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace world {

// The value of the text (never NaN; +-infinity beyond the double range).
double ReadNumber(std::string_view text);

// To the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
// Infinities and NaN come back unchanged.
double RoundHalfEven(double value);

// Rounded as above into 32 bits, or nothing when the value is not finite or does not fit.
std::optional<std::int32_t> RoundToInt32(double value);

// Reads and rounds the text; the fallback when the value does not fit into 32 bits.
std::int32_t ReadInt32(std::string_view text, std::int32_t fallback);

// Rounded as above, then the low 8 bits of that whole number in two's complement (300 -> 44,
// -1 -> 255, 3.6 -> 4, 1e30 -> 0); 0 for infinities and NaN. Defined for every double.
std::uint8_t RoundToLow8Bits(double value);

}  // namespace world
