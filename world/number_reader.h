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
#include <string>
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

// One number's text taken a character at a time (a field of a level file as it is read), in
// bounded memory however long it grows, without changing its value: Value() equals ReadNumber of
// every character added. Leading zeros are not kept; of the significant digits the first
// KeptDigits are kept, whole-part digits beyond them are counted into the exponent, and all that
// is remembered of the rest is whether any was not 0 (which can still decide how a value exactly
// halfway between two doubles rounds). Exponents saturate as ReadNumber's do.
class NumberText {
  public:
    void Add(char c);
    double Value() const;

    static constexpr std::size_t KeptDigits = 1100;  // more than any double's decimal expansion

  private:
    enum class Part {
        Start,
        Sign,
        Whole,
        Fraction,
        ExponentLetter,
        ExponentSign,
        Exponent,
        Ampersand,
        Based,
        Done
    };
    void AddDigit(char c);
    void AddExponentDigit(char c);
    void AddBasedDigit(char c);
    void StartBase(char c);

    Part part_ = Part::Start;
    bool negative_ = false;
    bool anyDigit_ = false;        // a digit of the whole part or the fraction was seen
    std::string digits_;           // significant digits, at most KeptDigits
    bool droppedNonZero_ = false;  // a digit beyond those was not 0
    std::int64_t point_ = 0;       // where the decimal point sits, counted from digits_' start
    std::int64_t exponent_ = 0;    // as written after e/E/d/D, saturated
    bool exponentNegative_ = false;
    char baseLetter_ = 0;  // H, O or B after "&"; digits_ then holds the based digits
};

}  // namespace world
