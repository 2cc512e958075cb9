// The number reader: decimal and &H/&O/&B texts to doubles, and safe rounding to 32 and 8 bits.
// Pure functions; any thread.
#include "world/number_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace world {

namespace {

constexpr std::int64_t ExponentCap = 1'000'000'000;  // far beyond any double, far below overflow

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsExponentLetter(char c) {
    return c == 'e' || c == 'E' || c == 'd' || c == 'D';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'z') return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
    return 99;
}

int BaseOfPrefix(char c) {
    switch (c) {
        case 'H':
        case 'h':
            return 16;
        case 'O':
        case 'o':
            return 8;
        case 'B':
        case 'b':
            return 2;
        default:
            return 0;
    }
}

double ReadBased(std::string_view digits, int base) {
    double value = 0;  // grows to infinity rather than wrapping
    for (const char c : digits) {
        const int d = DigitValue(c);
        if (d >= base) break;
        value = value * base + d;
    }
    return value;
}

std::string_view TakeDigits(std::string_view text, std::size_t& at) {
    const std::size_t start = at;
    while (at < text.size() && IsDigit(text[at])) ++at;
    return text.substr(start, at - start);
}

// The exponent after e/E/d/D: an optional sign and digits, saturated at the cap. Without digits
// the exponent is 0 and the letter is ignored.
std::int64_t TakeExponent(std::string_view text, std::size_t& at) {
    if (at >= text.size() || std::string_view("eEdD").find(text[at]) == std::string_view::npos) {
        return 0;
    }
    ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::int64_t exponent = 0;
    for (const char c : TakeDigits(text, at)) {
        exponent = std::min(exponent * 10 + (c - '0'), ExponentCap);
    }
    return negative ? -exponent : exponent;
}

// Where the first significant digit sits: the value is about 10^magnitude. Decides between
// infinity and zero when the double range is left.
std::int64_t Magnitude(std::string_view whole, std::string_view fraction, std::int64_t exponent) {
    const std::size_t lead = whole.find_first_not_of('0');
    if (lead != std::string_view::npos) {
        return static_cast<std::int64_t>(whole.size() - lead) + exponent;
    }
    const std::size_t zeros = std::min(fraction.find_first_not_of('0'), fraction.size());
    return exponent - static_cast<std::int64_t>(zeros);
}

double ReadDecimal(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    const std::string_view whole = TakeDigits(text, at);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') fraction = TakeDigits(text, ++at);
    if (whole.empty() && fraction.empty()) return 0;
    const std::int64_t exponent = TakeExponent(text, at);

    std::string clean;
    clean.reserve(whole.size() + fraction.size() + 16);
    clean.append(whole.empty() ? "0" : whole).append(".").append(fraction);
    clean.append("e").append(std::to_string(exponent));
    double value = 0;
    const auto [end, error] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
    if (error == std::errc::result_out_of_range) {
        const bool huge = Magnitude(whole, fraction, exponent) > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc()) {
        value = 0;
    }
    if (value == 0) return 0;  // no negative zero
    return negative ? -value : value;
}

}  // namespace

double ReadNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
    text.remove_prefix(at);
    if (!text.empty() && text[0] == '&') {
        const int base = text.size() > 1 ? BaseOfPrefix(text[1]) : 0;
        return base == 0 ? 0 : ReadBased(text.substr(2), base);
    }
    return ReadDecimal(text);
}

// ---- NumberText ---------------------------------------------------------------------------------

void NumberText::Add(char c) {
    switch (part_) {
        case Part::Start:
            if (c == ' ' || c == '\t') return;
            if (c == '&') {
                part_ = Part::Ampersand;
                return;
            }
            if (c == '+' || c == '-') {
                negative_ = c == '-';
                part_ = Part::Sign;
                return;
            }
            [[fallthrough]];
        case Part::Sign:
            if (IsDigit(c)) return AddDigit(c);
            part_ = c == '.' ? Part::Fraction : Part::Done;
            return;
        case Part::Whole:
        case Part::Fraction:
            if (IsDigit(c)) return AddDigit(c);
            if (c == '.' && part_ == Part::Whole) {
                part_ = Part::Fraction;
            } else {
                part_ = anyDigit_ && IsExponentLetter(c) ? Part::ExponentLetter : Part::Done;
            }
            return;
        case Part::ExponentLetter:
            if (c == '+' || c == '-') {
                exponentNegative_ = c == '-';
                part_ = Part::ExponentSign;
                return;
            }
            [[fallthrough]];
        case Part::ExponentSign:
        case Part::Exponent:
            return AddExponentDigit(c);
        case Part::Ampersand:
            return StartBase(c);
        case Part::Based:
            return AddBasedDigit(c);
        case Part::Done:
            return;
    }
}

// A digit of the whole part or the fraction.
void NumberText::AddDigit(char c) {
    if (part_ != Part::Fraction) part_ = Part::Whole;
    anyDigit_ = true;
    const bool whole = part_ == Part::Whole;
    if (digits_.empty() && c == '0') {  // a leading zero: only a fraction's moves the point
        if (!whole) --point_;
        return;
    }
    if (digits_.size() < KeptDigits) {
        digits_.push_back(c);
    } else {
        droppedNonZero_ = droppedNonZero_ || c != '0';
    }
    if (whole) ++point_;
}

void NumberText::AddExponentDigit(char c) {
    if (!IsDigit(c)) {
        part_ = Part::Done;
        return;
    }
    part_ = Part::Exponent;
    exponent_ = std::min(exponent_ * 10 + (c - '0'), ExponentCap);
}

void NumberText::StartBase(char c) {
    baseLetter_ = BaseOfPrefix(c) == 0 ? 0 : c;
    part_ = baseLetter_ == 0 ? Part::Done : Part::Based;
}

// Based digits past KeptDigits leave the value infinite, as it already is with that many.
void NumberText::AddBasedDigit(char c) {
    if (DigitValue(c) >= BaseOfPrefix(baseLetter_)) {
        part_ = Part::Done;
    } else if (!(digits_.empty() && c == '0') && digits_.size() < KeptDigits) {
        digits_.push_back(c);
    }
}

double NumberText::Value() const {
    if (part_ == Part::Start || part_ == Part::Ampersand) return 0;
    if (baseLetter_ != 0) return ReadNumber(std::string("&") + baseLetter_ + digits_);
    if (!anyDigit_ || digits_.empty()) return 0;
    // The kept digits as a whole number times a power of ten; a dropped digit that was not 0
    // stands as a 1 after them, below anything the kept digits can express.
    std::string text = negative_ ? "-" : "";
    text += digits_;
    if (droppedNonZero_) text += '1';
    const std::int64_t written = exponentNegative_ ? -exponent_ : exponent_;
    const std::int64_t shift = point_ - static_cast<std::int64_t>(text.size() - negative_);
    text.append("e").append(std::to_string(written + shift));
    return ReadNumber(text);
}

double RoundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    if (value < 0) return -RoundHalfEven(-value);  // the rule is symmetric
    const double whole = std::floor(value);
    const double rest = value - whole;  // exact for non-negative doubles
    if (rest > 0.5) return whole + 1;
    if (rest < 0.5) return whole;
    return std::fmod(whole, 2.0) == 0 ? whole : whole + 1;
}

std::optional<std::int32_t> RoundToInt32(double value) {
    const double r = RoundHalfEven(value);
    constexpr double Low = std::numeric_limits<std::int32_t>::min();
    constexpr double High = std::numeric_limits<std::int32_t>::max();
    if (!(r >= Low && r <= High)) return std::nullopt;  // also NaN
    return static_cast<std::int32_t>(r);
}

std::int32_t ReadInt32(std::string_view text, std::int32_t fallback) {
    return RoundToInt32(ReadNumber(text)).value_or(fallback);
}

std::uint8_t RoundToLow8Bits(double value) {
    const double r = RoundHalfEven(value);
    if (!std::isfinite(r)) return 0;
    double low = std::fmod(r, 256.0);  // exact, with the sign of r
    if (low < 0) low += 256.0;
    return static_cast<std::uint8_t>(low);
}

}  // namespace world
