// Reading a status reply as a number. Pure functions; any thread.
#include "zuplay/reply_number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zuplay {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int DigitValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

int PrefixBase(char letter) {
    switch (letter) {
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

// Digits after "&H", "&O" or "&B"; none reads as 0.
double ReadPrefixed(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        int digit = DigitValue(c);
        if (digit >= base) break;
        value = value * base + digit;
    }
    return value;
}

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) ++at;
    return at;
}

// Powers of ten of the leading digit of a mantissa ("123.4": 2, "0.05": -2), for telling an
// overflow from an underflow when the value does not fit a double.
long long LeadingPower(std::string_view integer, std::string_view fraction) {
    std::size_t first = integer.find_first_not_of('0');
    if (first != std::string_view::npos) return static_cast<long long>(integer.size() - first) - 1;
    first = fraction.find_first_not_of('0');
    return first == std::string_view::npos ? 0 : -static_cast<long long>(first) - 1;
}

// The exponent's value, saturated far beyond any double's range.
long long ReadExponent(std::string_view digits, bool negative) {
    long long value = 0;
    for (char c : digits) value = std::min(value * 10 + (c - '0'), 1000000000LL);
    return negative ? -value : value;
}

// The decimal form: copies the part that reads as a number into a plain "1.5e3" shape for
// from_chars, which ignores the locale.
double ReadDecimal(std::string_view text) {
    std::size_t at = 0;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::size_t end = SkipDigits(text, at);
    std::string_view integer = text.substr(at, end - at);
    std::string_view fraction;
    if (end < text.size() && text[end] == '.') {
        std::size_t fractionEnd = SkipDigits(text, end + 1);
        fraction = text.substr(end + 1, fractionEnd - end - 1);
        end = fractionEnd;
    }
    if (integer.empty() && fraction.empty()) return 0;  // no digit at all
    std::string plain = std::string(integer) + "." + std::string(fraction);
    long long exponent = 0;
    if (end < text.size() && std::string_view("eEdD").find(text[end]) != std::string_view::npos) {
        std::size_t signAt = end + 1;
        bool expNegative = signAt < text.size() && text[signAt] == '-';
        if (signAt < text.size() && (text[signAt] == '+' || text[signAt] == '-')) ++signAt;
        std::size_t expEnd = SkipDigits(text, signAt);
        if (expEnd > signAt) {  // an exponent letter without digits is not part of the number
            plain += 'e';
            plain += text.substr(end + 1, expEnd - end - 1);
            exponent = ReadExponent(text.substr(signAt, expEnd - signAt), expNegative);
        }
    }
    double value = 0;
    auto [ptr, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        bool huge = LeadingPower(integer, fraction) + exponent > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

double ReadReplyNumber(std::string_view text) {
    std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return 0;
    text.remove_prefix(start);
    if (text.size() >= 2 && text[0] == '&') {
        int base = PrefixBase(text[1]);
        return base == 0 ? 0 : ReadPrefixed(text.substr(2), base);
    }
    return ReadDecimal(text);
}

std::int32_t RoundToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = std::numeric_limits<std::int32_t>::max();
    constexpr double kMin = std::numeric_limits<std::int32_t>::min();
    if (value >= kMax) return std::numeric_limits<std::int32_t>::max();
    if (value <= kMin) return std::numeric_limits<std::int32_t>::min();
    double floor = std::floor(value);
    double rest = value - floor;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(floor, 2.0) != 0)) floor += 1;
    return static_cast<std::int32_t>(floor);
}

}  // namespace zuplay
