// The number reader: every form of number text the game reads, rounding halves to even, and the
// safe conversions to 32 bits and to the low 8 bits.
#include "world/number_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
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

double ReadByCharacter(std::string_view text) {
    NumberText number;
    for (const char c : text) number.Add(c);
    return number.Value();
}

// Both give the same double, or both the same infinity.
void ExpectSameValue(std::string_view text) {
    const double expected = ReadNumber(text);
    const double got = ReadByCharacter(text);
    EXPECT_TRUE(got == expected && std::signbit(got) == std::signbit(expected))
        << '"' << text.substr(0, 80) << "\" (" << text.size() << " chars): " << got << " vs "
        << expected;
}

// Texts short enough for ReadNumber to take whole are the reference: random mixes of every
// character that means something, and long digit runs that pass the kept digits.
TEST(NumberText, ReadsEveryTextAsReadNumberDoes) {
    std::mt19937 random(14);
    const std::string alphabet = "0123456789000.+-eEdD&HhOoBbFx \t";
    for (int i = 0; i < 20000; ++i) {
        std::string text(random() % 24, ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        ExpectSameValue(text);
    }
    const auto digits = [&](std::size_t count, bool zeros) {
        std::string run(count, '0');
        if (!zeros) {
            for (char& c : run) c = static_cast<char>('0' + random() % 10);
        }
        return run;
    };
    for (int i = 0; i < 300; ++i) {
        const std::size_t whole = random() % 1800, fraction = random() % 1800;
        std::string text = i % 2 ? "-" : "";
        text.append(digits(random() % 30, true)).append(digits(whole, false)).append(".");
        text.append(digits(fraction, i % 3 == 0)).append(i % 5 ? "1" : "").append("e");
        text.append(std::to_string(static_cast<int>(random() % 8000) - 4000));
        ExpectSameValue(text);
    }
}

// A field far longer than any cap keeps its value: leading zeros, zeros counted into the
// exponent, and a far-off digit that decides a rounding.
TEST(NumberText, LongTextsKeepTheirValue) {
    const std::string zeros(5000, '0');
    EXPECT_EQ(ReadByCharacter("4" + zeros + "e-5000"), 4);
    EXPECT_EQ(RoundToLow8Bits(ReadByCharacter("4" + zeros + "e-5000")), 4);
    EXPECT_EQ(ReadByCharacter("0." + zeros + "4e5001"), 4);
    EXPECT_EQ(ReadByCharacter(zeros + "13"), 13);
    EXPECT_EQ(ReadByCharacter("&H" + zeros + "1F"), 31);
    EXPECT_EQ(ReadByCharacter("7e-" + zeros + "1"), 0.7);
    EXPECT_TRUE(std::isinf(ReadByCharacter("1" + zeros)));
    EXPECT_TRUE(std::isinf(ReadByCharacter("&B1" + zeros)));
    // 2^53 + 1 lies exactly halfway between two doubles: a 1 five thousand digits later tips it
    // up to 2^53 + 2; without that digit it goes to the even 2^53.
    EXPECT_EQ(ReadByCharacter("9007199254740993." + zeros + "1"), 9007199254740994.0);
    EXPECT_EQ(ReadByCharacter("9007199254740993." + zeros), 9007199254740992.0);
    EXPECT_EQ(RoundToLow8Bits(ReadByCharacter("9007199254740993" + zeros + "1e-5001")), 2);
}

}  // namespace
}  // namespace world
