// Reading a status reply as a number, the way every number text is read in this system. Pure
// functions; any thread.
#pragma once

#include <cstdint>
#include <string_view>

namespace zuplay {

// Leading spaces skipped, then either "&H", "&O" or "&B" (either case) and digits of base 16, 8
// or 2, or a decimal number with optional sign, fraction and exponent (letter e, E, d or D).
// Reading stops at the first character that does not fit; a text that does not begin with a
// number reads as 0.
double ReadReplyNumber(std::string_view text);

// Nearest integer, halves to the even neighbour; NaN gives 0 and values beyond the 32-bit range
// give the nearest end of it.
std::int32_t RoundToInt32(double value);

}  // namespace zuplay
