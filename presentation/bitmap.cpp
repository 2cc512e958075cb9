// Windows bitmap decoding; see bitmap.h. Runs on whichever thread loads a picture (the game
// thread at start-up).
#include "presentation/bitmap.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>
#include <cstring>
#include <vector>

namespace presentation {

namespace {

std::uint32_t U16(const std::uint8_t* p) {
    return p[0] | (p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// What the headers say about the pixel data.
struct Layout {
    std::int64_t Width = 0;
    std::int64_t Height = 0;  // rows, positive
    bool TopDown = false;
    int Bits = 0;
    std::uint64_t DataOffset = 0;
    std::uint64_t RowBytes = 0;
    std::uint32_t Masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    std::array<Pixel, 256> Palette{};
};

// A channel's value widened (or narrowed) to 8 bits; narrow channels repeat their top bits.
std::uint32_t Channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const std::uint32_t field = mask >> shift;
    const int bits = std::bit_width(field);
    std::uint32_t v = (value & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    std::uint32_t wide = 0;
    int have = 0;
    while (have < 8) wide = (wide << bits) | v, have += bits;
    return wide >> (have - 8);
}

void DefaultMasks(Layout& l) {
    if (l.Bits == 16) {
        l.Masks[0] = 0x7C00, l.Masks[1] = 0x03E0, l.Masks[2] = 0x001F, l.Masks[3] = 0;
    } else {
        l.Masks[0] = 0xFF0000, l.Masks[1] = 0xFF00, l.Masks[2] = 0xFF, l.Masks[3] = 0xFF000000;
    }
}

bool ReadExactly(const ReadAt& read, std::uint64_t offset, std::uint8_t* dst, std::size_t n) {
    return read(offset, dst, n) == n;
}

// File header, info header and masks. False for anything the game does not accept.
bool ReadHeaders(const ReadAt& read, Layout& l, std::uint32_t& infoSize, bool& masksFollow) {
    std::uint8_t h[14 + 124] = {};
    if (!ReadExactly(read, 0, h, 18) || h[0] != 'B' || h[1] != 'M') return false;
    l.DataOffset = U32(h + 10);
    infoSize = U32(h + 14);
    if (infoSize != 12 && (infoSize < 16 || infoSize > 124)) return false;
    if (!ReadExactly(read, 18, h + 18, infoSize - 4)) return false;
    std::uint32_t planes = 0, compression = 0;
    if (infoSize == 12) {
        l.Width = U16(h + 18), l.Height = U16(h + 20), planes = U16(h + 22), l.Bits = U16(h + 24);
    } else {
        l.Width = static_cast<std::int32_t>(U32(h + 18));
        l.Height = static_cast<std::int32_t>(U32(h + 22));
        planes = U16(h + 26), l.Bits = static_cast<int>(U16(h + 28));
        if (infoSize >= 20) compression = U32(h + 30);
    }
    if (planes > 1 || l.Width <= 0 || l.Height == 0) return false;
    if (compression != 0 && compression != 3) return false;
    if (l.Bits != 1 && l.Bits != 2 && l.Bits != 4 && l.Bits != 8 && l.Bits != 16 && l.Bits != 24 &&
        l.Bits != 32)
        return false;
    l.TopDown = l.Height < 0;
    l.Height = l.TopDown ? -l.Height : l.Height;
    l.RowBytes = ((static_cast<std::uint64_t>(l.Width) * l.Bits + 31) / 32) * 4;
    DefaultMasks(l);
    masksFollow = compression == 3 && infoSize < 108 && infoSize != 12;
    if (compression == 3 && infoSize >= 108) {
        for (int i = 0; i < 4; ++i) l.Masks[i] = U32(h + 54 + 4 * i);
    } else if (masksFollow) {
        std::uint8_t m[12];
        if (!ReadExactly(read, 14 + infoSize, m, 12)) return false;
        for (int i = 0; i < 3; ++i) l.Masks[i] = U32(m + 4 * i);
        l.Masks[3] = 0;
    }
    return true;
}

// Palette entries the file does not hold stay black.
void ReadPalette(const ReadAt& read, Layout& l, std::uint64_t start, int entrySize) {
    const int count = 1 << l.Bits;
    std::uint8_t raw[256 * 4] = {};
    read(start, raw, static_cast<std::size_t>(count) * entrySize);
    for (int i = 0; i < count; ++i) {
        const std::uint8_t* e = raw + i * entrySize;
        l.Palette[i] = 0xFF000000u | (e[2] << 16) | (e[1] << 8) | e[0];
    }
}

Pixel Convert(const Layout& l, const std::uint8_t* row, std::int64_t x) {
    if (l.Bits <= 8) {
        const std::int64_t bit = x * l.Bits;
        const int shift = 8 - l.Bits - static_cast<int>(bit % 8);
        return l.Palette[(row[bit / 8] >> shift) & ((1 << l.Bits) - 1)];
    }
    const std::uint8_t* p = row + x * (l.Bits / 8);
    const std::uint32_t v = l.Bits == 16 ? U16(p) : l.Bits == 24 ? (U16(p) | (p[2] << 16)) : U32(p);
    std::uint32_t alpha = 0xFF;
    if (l.Bits == 32 || (l.Bits == 16 && l.Masks[3] != 0)) alpha = Channel(v, l.Masks[3]);
    return (alpha << 24) | (Channel(v, l.Masks[0]) << 16) | (Channel(v, l.Masks[1]) << 8) |
           Channel(v, l.Masks[2]);
}

// Rows in file order; a short read ends the copy and keeps the rows already written.
bool CopyRows(const ReadAt& read, const Layout& l, ImageBuffer& image) {
    const std::int64_t columns = std::min<std::int64_t>(l.Width, image.Width);
    const std::int64_t rows = std::min<std::int64_t>(l.Height, image.Height);
    const std::size_t need = static_cast<std::size_t>((columns * l.Bits + 7) / 8);
    std::vector<std::uint8_t> buffer(need);
    const std::int64_t firstStored = l.TopDown ? 0 : l.Height - rows;
    for (std::int64_t stored = firstStored; stored < firstStored + rows; ++stored) {
        std::uint64_t offset = 0;
        if (__builtin_mul_overflow(static_cast<std::uint64_t>(stored), l.RowBytes, &offset) ||
            __builtin_add_overflow(offset, l.DataOffset, &offset) ||
            !ReadExactly(read, offset, buffer.data(), need))
            return false;
        const std::int64_t y = l.TopDown ? stored : l.Height - 1 - stored;
        Pixel* out = image.Row(static_cast<std::int32_t>(y));
        for (std::int64_t x = 0; x < columns; ++x) out[x] = Convert(l, buffer.data(), x);
    }
    return true;
}

}  // namespace

LoadStatus DecodeBitmap(const ReadAt& read, ImageBuffer& image) {
    Layout layout;
    std::uint32_t infoSize = 0;
    bool masksFollow = false;
    if (!ReadHeaders(read, layout, infoSize, masksFollow)) return LoadStatus::BadFile;
    if (layout.Bits <= 8) {
        const std::uint64_t start = 14 + infoSize + (masksFollow ? 12 : 0);
        ReadPalette(read, layout, start, infoSize == 12 ? 3 : 4);
    }
    return CopyRows(read, layout, image) ? LoadStatus::Loaded : LoadStatus::BadFile;
}

LoadStatus DecodeBitmap(std::span<const std::uint8_t> bytes, ImageBuffer& image) {
    return DecodeBitmap(
        [bytes](std::uint64_t offset, std::uint8_t* dst, std::size_t n) -> std::size_t {
            if (offset >= bytes.size()) return 0;
            const std::size_t count = std::min<std::uint64_t>(n, bytes.size() - offset);
            std::memcpy(dst, bytes.data() + offset, count);
            return count;
        },
        image);
}

LoadStatus LoadBitmap(std::string_view path, ImageBuffer* image) {
    if (!image) return LoadStatus::BadFile;
    std::FILE* file = std::fopen(NativePath(path).c_str(), "rb");
    if (!file) return LoadStatus::FileMissing;
    const ReadAt read = [file](std::uint64_t offset, std::uint8_t* dst,
                               std::size_t n) -> std::size_t {
        if (offset > static_cast<std::uint64_t>(INT64_MAX) ||
            fseeko(file, static_cast<off_t>(offset), SEEK_SET) != 0)
            return 0;
        return std::fread(dst, 1, n, file);
    };
    const LoadStatus status = DecodeBitmap(read, *image);
    std::fclose(file);
    return status;
}

}  // namespace presentation
