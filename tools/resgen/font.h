// The game's own pixel lettering: a bold 5 x 7 capital font for labels and button captions, and
// the 6 x 10 digits of the score panels. Drawn here, not taken from any font file. Generator
// thread.
#pragma once

#include <string_view>

#include "tools/resgen/canvas.h"

namespace resgen {

// Width in pixels of the text at the given scale (5 columns a letter, 1 between letters, 3 for
// a space; all times scale).
int TextWidth(std::string_view text, int scale);
// Paints the letters' pixels as scale x scale blocks, the top-left at (x, y); colour by row of
// the 7-row glyph (0 top .. 6 bottom) so captions can carry a vertical gradient. Unknown
// characters abort: every caption is fixed at compile time.
void DrawLetters(Canvas& c, int x, int y, std::string_view text, int scale,
                 const Colour (&rowColours)[7]);

// The 6 x 10 pattern of a decimal digit: row r, column k is set when the character is '#'.
const char* const* DigitGlyph(int digit);

}  // namespace resgen
