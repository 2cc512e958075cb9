// The built-in font: parses font8x8.inc once, on first use (thread-safe static initialisation).
#include "presentation/font8x8.h"

#include <cstdio>
#include <cstdlib>

namespace presentation {

namespace {

constexpr const char* kFontArt =
#include "presentation/font8x8.inc"
    ;

bool Fail(std::string* error, int line, const char* what) {
    if (error) *error = "line " + std::to_string(line) + ": " + what;
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "= 0xHH" optionally followed by a space and a label.
int ParseHeader(std::string_view line) {
    if (line.size() < 6 || line.substr(0, 4) != "= 0x") return -1;
    const int hi = HexDigit(line[4]);
    const int lo = HexDigit(line[5]);
    if (hi < 0 || lo < 0 || (line.size() > 6 && line[6] != ' ')) return -1;
    return hi * 16 + lo;
}

bool ParseRow(std::string_view line, std::uint8_t& bits) {
    if (line.size() != 8) return false;
    bits = 0;
    for (int col = 0; col < 8; ++col) {
        if (line[col] == '#') {
            bits |= static_cast<std::uint8_t>(0x80 >> col);
        } else if (line[col] != '.') {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<FontTable> ParseFontArt(std::string_view art, std::string* error) {
    FontTable table{};
    int lineNo = 0;
    int glyph = -1;  // the glyph being read, -1 between glyphs
    int row = 0;
    while (!art.empty()) {
        const std::size_t end = art.find('\n');
        std::string_view line = art.substr(0, end);
        art = end == std::string_view::npos ? std::string_view{} : art.substr(end + 1);
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (glyph < 0) {
            if (line.empty()) continue;
            glyph = ParseHeader(line);
            if (glyph < 0) return Fail(error, lineNo, "expected '= 0xHH'"), std::nullopt;
            row = 0;
            continue;
        }
        if (!ParseRow(line, table[glyph][row]))
            return Fail(error, lineNo, "expected 8 of '.' or '#'"), std::nullopt;
        if (++row == 8) glyph = -1;
    }
    if (glyph >= 0) return Fail(error, lineNo, "glyph cut short"), std::nullopt;
    return table;
}

const Glyph& GlyphFor(unsigned char byte) {
    static const FontTable table = [] {
        std::string error;
        auto parsed = ParseFontArt(kFontArt, &error);
        if (!parsed) {
            // The art is compiled in and checked by the tests; a broken build should say why.
            std::fprintf(stderr, "built-in font: %s\n", error.c_str());
            std::abort();
        }
        return *parsed;
    }();
    return table[byte];
}

}  // namespace presentation
