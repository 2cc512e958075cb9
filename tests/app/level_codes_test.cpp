// Level codes: the fixed table's properties and the lookup of codes and typed numbers.
#include "app/level_codes.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>

namespace app {
namespace {

TEST(LevelCodes, FiftyDifferentSixLetterCodesOneAllLowerCase) {
    const LevelCodeTable table;
    std::set<std::string> seen, folded;
    int allLower = 0;
    for (std::int32_t level = 1; level <= 50; ++level) {
        const std::string code(table.Code(level));
        ASSERT_EQ(code.size(), 6u) << level;
        bool upper = false, lower = false;
        for (const char c : code) {
            ASSERT_TRUE(std::isalpha(static_cast<unsigned char>(c))) << code;
            upper |= std::isupper(static_cast<unsigned char>(c)) != 0;
            lower |= std::islower(static_cast<unsigned char>(c)) != 0;
        }
        ASSERT_TRUE(lower) << code;  // none all upper case
        allLower += !upper;
        seen.insert(code);
        std::string f = code;
        for (char& c : f) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        folded.insert(f);
    }
    EXPECT_EQ(allLower, 1);
    EXPECT_EQ(seen.size(), 50u);
    EXPECT_EQ(folded.size(), 50u);  // so a code with one letter's case flipped matches nothing
    EXPECT_EQ(table.Code(0), "");
    EXPECT_EQ(table.Code(51), "");
}

TEST(LevelCodes, CodesStartTheirLevelOnlyWhenTypedExactly) {
    const LevelCodeTable table;
    for (std::int32_t level = 1; level <= 50; ++level) {
        EXPECT_EQ(LookUpLevelCode(table, table.Code(level)), level);
    }
    std::string flipped(table.Code(17));
    for (std::size_t i = 0; i < flipped.size(); ++i) {
        std::string one = flipped;
        const unsigned char c = static_cast<unsigned char>(one[i]);
        one[i] = static_cast<char>(std::isupper(c) ? std::tolower(c) : std::toupper(c));
        EXPECT_EQ(LookUpLevelCode(table, one), 1) << one;
    }
    EXPECT_EQ(LookUpLevelCode(table, flipped + " "), 1);
    EXPECT_EQ(LookUpLevelCode(table, " " + flipped), 1);
}

TEST(LevelCodes, TypedNumbersOfFiftyOrMoreStartThatLevel) {
    const LevelCodeTable table;
    const struct {
        const char* text;
        std::int32_t level;
    } cases[] = {{"", 1},           {"49", 1},           {"50", 50},
                 {"64", 64},        {" 60", 60},         {"50.5", 50},
                 {"51.5", 52},      {"&H40", 64},        {"&h40", 64},
                 {"49.6", 1},       {"5e1", 50},         {"-60", 1},
                 {"abc", 1},        {"17", 1},           {"1000", 1000},
                 {"9e99", 1},       {"&HFFFFFFFFFF", 1}, {"2147483647", 2147483647},
                 {"2147483648", 1}, {"1e400", 1}};
    for (const auto& c : cases) EXPECT_EQ(LookUpLevelCode(table, c.text), c.level) << c.text;
}

}  // namespace
}  // namespace app
