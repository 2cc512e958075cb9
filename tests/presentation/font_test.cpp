// The built-in font's text art and its parser.
#include <gtest/gtest.h>

#include "presentation/font8x8.h"

namespace presentation {
namespace {

TEST(Font, EveryPrintableCharacterHasAGlyphAndSpaceIsBlank) {
    for (int c = 0x21; c <= 0x7E; ++c) {
        const Glyph& g = GlyphFor(static_cast<unsigned char>(c));
        int set = 0;
        for (auto row : g) set += __builtin_popcount(row);
        EXPECT_GT(set, 0) << "no glyph for '" << static_cast<char>(c) << "'";
    }
    for (auto row : GlyphFor(' ')) EXPECT_EQ(row, 0);
    EXPECT_NE(GlyphFor('O'), GlyphFor('0'));
    EXPECT_NE(GlyphFor('l'), GlyphFor('1'));
}

TEST(Font, ParserReadsRowsAndRejectsMalformedArt) {
    const auto table = ParseFontArt(
        "= 0x41 A\n#.......\n.#......\n........\n........\n"
        "........\n........\n........\n.......#\n");
    ASSERT_TRUE(table);
    EXPECT_EQ((*table)['A'][0], 0x80);
    EXPECT_EQ((*table)['A'][1], 0x40);
    EXPECT_EQ((*table)['A'][7], 0x01);
    EXPECT_EQ((*table)['B'][0], 0);

    std::string error;
    EXPECT_FALSE(ParseFontArt("= 0xZZ\n", &error));
    EXPECT_NE(error.find("line 1"), std::string::npos);
    EXPECT_FALSE(ParseFontArt("= 0x41\n#......\n", &error));   // 7 columns
    EXPECT_FALSE(ParseFontArt("= 0x41\n#.......\n", &error));  // cut short
    EXPECT_FALSE(ParseFontArt("= 0x41\nx.......\n", &error));
}

}  // namespace
}  // namespace presentation
