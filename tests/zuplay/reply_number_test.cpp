// Reading status replies as numbers and rounding them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "zuplay/reply_number.h"

namespace zuplay {
namespace {

TEST(ReplyNumber, ReadsDecimalsWithSignFractionAndExponent) {
    EXPECT_EQ(ReadReplyNumber("1500"), 1500);
    EXPECT_EQ(ReadReplyNumber("   60"), 60);
    EXPECT_EQ(ReadReplyNumber("-3"), -3);
    EXPECT_EQ(ReadReplyNumber("+7"), 7);
    EXPECT_EQ(ReadReplyNumber("50.5"), 50.5);
    EXPECT_EQ(ReadReplyNumber(".25"), 0.25);
    EXPECT_EQ(ReadReplyNumber("5."), 5);
    EXPECT_EQ(ReadReplyNumber("1.5e3"), 1500);
    EXPECT_EQ(ReadReplyNumber("1.5E+3"), 1500);
    EXPECT_EQ(ReadReplyNumber("25d-1"), 2.5);
    EXPECT_EQ(ReadReplyNumber("2D2"), 200);
    EXPECT_EQ(ReadReplyNumber("12ms"), 12);  // stops at the first non-number character
    EXPECT_EQ(ReadReplyNumber("7e"), 7);     // an exponent letter without digits is not read
    EXPECT_EQ(ReadReplyNumber("7e+"), 7);
    EXPECT_EQ(ReadReplyNumber("1 2"), 1);
}

TEST(ReplyNumber, ReadsPrefixedBases) {
    EXPECT_EQ(ReadReplyNumber("&H40"), 64);
    EXPECT_EQ(ReadReplyNumber("&hff"), 255);
    EXPECT_EQ(ReadReplyNumber("&O17"), 15);
    EXPECT_EQ(ReadReplyNumber("&o8"), 0);  // 8 is no octal digit
    EXPECT_EQ(ReadReplyNumber("&B101"), 5);
    EXPECT_EQ(ReadReplyNumber("&b1012"), 5);
    EXPECT_EQ(ReadReplyNumber("  &H1F "), 31);
    EXPECT_EQ(ReadReplyNumber("&H"), 0);
    EXPECT_EQ(ReadReplyNumber("&X10"), 0);
}

TEST(ReplyNumber, TextsThatAreNoNumberReadAsZero) {
    EXPECT_EQ(ReadReplyNumber(""), 0);
    EXPECT_EQ(ReadReplyNumber("   "), 0);
    EXPECT_EQ(ReadReplyNumber("stopped"), 0);
    EXPECT_EQ(ReadReplyNumber("-"), 0);
    EXPECT_EQ(ReadReplyNumber("."), 0);
    EXPECT_EQ(ReadReplyNumber("e5"), 0);
    EXPECT_EQ(ReadReplyNumber("\t5"), 0);  // only spaces are skipped
}

TEST(ReplyNumber, ExtremeExponentsAndLongDigitRuns) {
    EXPECT_TRUE(std::isinf(ReadReplyNumber("9e999")));
    EXPECT_TRUE(std::isinf(ReadReplyNumber("-9e999")));
    EXPECT_EQ(ReadReplyNumber("9e-999"), 0);
    EXPECT_EQ(ReadReplyNumber(std::string(10000, '1')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ReadReplyNumber("0." + std::string(10000, '0') + "1"), 0);
}

TEST(ReplyNumber, RoundsHalvesToEvenWithinThe32BitRange) {
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
    EXPECT_EQ(RoundToInt32(2.5), 2);
    EXPECT_EQ(RoundToInt32(50.5), 50);
    EXPECT_EQ(RoundToInt32(51.5), 52);
    EXPECT_EQ(RoundToInt32(-2.5), -2);
    EXPECT_EQ(RoundToInt32(-3.5), -4);
    EXPECT_EQ(RoundToInt32(2.4999), 2);
    EXPECT_EQ(RoundToInt32(2.5001), 3);
    EXPECT_EQ(RoundToInt32(-0.4), 0);
    EXPECT_EQ(RoundToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(RoundToInt32(std::nan("")), 0);
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
}

}  // namespace
}  // namespace zuplay
