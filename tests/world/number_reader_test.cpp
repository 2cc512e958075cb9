// The number reader: every form of number text the game reads, rounding halves to even, and the
// safe conversions to 32 bits and to the low 8 bits.
#include "world/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace world {
namespace {

TEST(NumberReader, ReadsDecimalNumbersWithSignFractionAndExponent) {
    EXPECT_EQ(ReadNumber("42"), 42);
    EXPECT_EQ(ReadNumber("   60"), 60);
    EXPECT_EQ(ReadNumber("\t7"), 7);
    EXPECT_EQ(ReadNumber("-12.5"), -12.5);
    EXPECT_EQ(ReadNumber("+3"), 3);
    EXPECT_EQ(ReadNumber(".25"), 0.25);
    EXPECT_EQ(ReadNumber("5."), 5);
    EXPECT_EQ(ReadNumber("1e3"), 1000);
    EXPECT_EQ(ReadNumber("1E+3"), 1000);
    EXPECT_EQ(ReadNumber("25d-1"), 2.5);
    EXPECT_EQ(ReadNumber("2D2"), 200);
    EXPECT_EQ(ReadNumber("7e"), 7);  // a letter without digits is no exponent
    EXPECT_EQ(ReadNumber("12abc"), 12);
    EXPECT_EQ(ReadNumber("1.5.7"), 1.5);
    EXPECT_EQ(ReadNumber("0.1"), 0.1);
}

TEST(NumberReader, TextsThatDoNotBeginWithANumberAreZero) {
    for (const char* text :
         {"", " ", "abc", "-", "+.", ".", "- 5", "e5", "&", "&X12", "x12", "VopIzU"}) {
        EXPECT_EQ(ReadNumber(text), 0) << '"' << text << '"';
        EXPECT_FALSE(std::signbit(ReadNumber(text))) << text;
    }
    EXPECT_FALSE(std::signbit(ReadNumber("-0")));
}

TEST(NumberReader, ReadsHexOctalAndBinaryPrefixesInEitherCase) {
    EXPECT_EQ(ReadNumber("&H40"), 64);
    EXPECT_EQ(ReadNumber("&hff"), 255);
    EXPECT_EQ(ReadNumber("  &HfF"), 255);
    EXPECT_EQ(ReadNumber("&O17"), 15);
    EXPECT_EQ(ReadNumber("&o78"), 7);  // stops at the first digit the base lacks
    EXPECT_EQ(ReadNumber("&B101"), 5);
    EXPECT_EQ(ReadNumber("&b12"), 1);
    EXPECT_EQ(ReadNumber("&H"), 0);
    EXPECT_EQ(ReadNumber("&HFFFFFFFFFF"), 1099511627775.0);
    EXPECT_TRUE(std::isinf(ReadNumber("&H" + std::string(400, 'F'))));
}

TEST(NumberReader, HugeAndTinyValuesNeverOverflow) {
    EXPECT_EQ(ReadNumber("9e99"), 9e99);
    EXPECT_EQ(ReadNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("1e-400"), 0);
    EXPECT_EQ(ReadNumber("0.0000001e-320"), 0);
    EXPECT_EQ(ReadNumber("1e99999999999999999999999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("0e99999999999999999999999"), 0);
    EXPECT_EQ(ReadNumber(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadNumber("0." + std::string(400, '0') + "1e400"), 0.1);
}

TEST(NumberReader, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(50.5), 50);
    EXPECT_EQ(RoundHalfEven(51.5), 52);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(3.6), 4);
    EXPECT_EQ(RoundHalfEven(-0.4), 0);
    EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0);
    EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);
    EXPECT_TRUE(std::isinf(RoundHalfEven(std::numeric_limits<double>::infinity())));
}

TEST(NumberReader, RoundsInto32BitsOnlyWhatFits) {
    EXPECT_EQ(RoundToInt32(2147483647.4), 2147483647);
    EXPECT_EQ(RoundToInt32(2147483647.5), std::nullopt);  // rounds to 2^31
    EXPECT_EQ(RoundToInt32(-2147483648.5), -2147483648);  // halves to the even -2^31
    EXPECT_EQ(RoundToInt32(-2147483649.0), std::nullopt);
    EXPECT_EQ(RoundToInt32(9e99), std::nullopt);
    EXPECT_EQ(RoundToInt32(std::nan("")), std::nullopt);
    EXPECT_EQ(ReadInt32("&HFFFFFFFFFF", -7), -7);
    EXPECT_EQ(ReadInt32(" 12.5", -7), 12);
}

TEST(NumberReader, KeepsTheLowEightBitsOfAnyRoundedValue) {
    EXPECT_EQ(RoundToLow8Bits(300), 44);
    EXPECT_EQ(RoundToLow8Bits(3.6), 4);
    EXPECT_EQ(RoundToLow8Bits(2.5), 2);
    EXPECT_EQ(RoundToLow8Bits(-1), 255);
    EXPECT_EQ(RoundToLow8Bits(-256), 0);
    EXPECT_EQ(RoundToLow8Bits(-257), 255);
    EXPECT_EQ(RoundToLow8Bits(1e30), 0);
    EXPECT_EQ(RoundToLow8Bits(4503599627370497.0), 1);
    EXPECT_EQ(RoundToLow8Bits(std::numeric_limits<double>::infinity()), 0);
    EXPECT_EQ(RoundToLow8Bits(std::nan("")), 0);
    EXPECT_EQ(static_cast<std::int8_t>(RoundToLow8Bits(ReadNumber("51"))), 51);
    EXPECT_EQ(static_cast<std::int8_t>(RoundToLow8Bits(ReadNumber("-1"))), -1);
}

}  // namespace
}  // namespace world
