// Pixel-level drawing into one ImageBuffer; see raster.h. Called with the screen's draw lock held
// when the target is the framebuffer.
#include "presentation/raster.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include <immintrin.h>

#include "presentation/font8x8.h"

namespace presentation::raster {

namespace {

void Plot(ImageBuffer& t, std::int64_t x, std::int64_t y, Pixel colour) {
    if (x >= 0 && y >= 0 && x < t.Width && y < t.Height) t.Row(static_cast<int>(y))[x] = colour;
}

// n / d rounded to the nearest integer, halves away from the line's start; d > 0.
std::int64_t RoundDiv(__int128 n, __int128 d) {
    __int128 q = (2 * n + d) / (2 * d);
    if (2 * n + d < 0 && (2 * n + d) % (2 * d) != 0) --q;  // floor for negatives
    return static_cast<std::int64_t>(q);
}

// Half-width of the disc's row dy, or -1 when the row is outside the disc.
std::int64_t HalfWidth(std::int64_t r, std::int64_t dy) {
    const std::int64_t room = r * r + r - dy * dy;
    if (room < 0) return -1;
    auto h = static_cast<std::int64_t>(std::sqrt(static_cast<double>(room)));
    while (h * h > room) --h;
    while ((h + 1) * (h + 1) <= room) ++h;
    return h;
}

void HorizontalSpan(ImageBuffer& t, std::int64_t y, std::int64_t x1, std::int64_t x2,
                    Pixel colour) {
    if (y < 0 || y >= t.Height || x2 < x1) return;
    const std::int64_t from = std::max<std::int64_t>(x1, 0);
    const std::int64_t to = std::min<std::int64_t>(x2, t.Width - 1);
    if (from > to) return;
    Pixel* row = t.Row(static_cast<int>(y));
    std::fill(row + from, row + to + 1, colour);
}

}  // namespace

void FillRect(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
              Pixel colour) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    const std::int64_t top = std::max<std::int64_t>(y1, 0);
    const std::int64_t bottom = std::min<std::int64_t>(y2, t.Height - 1);
    for (std::int64_t y = top; y <= bottom; ++y) HorizontalSpan(t, y, x1, x2, colour);
}

void Outline(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
             Pixel colour) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    FillRect(t, x1, y1, x2, y1, colour);
    FillRect(t, x1, y2, x2, y2, colour);
    FillRect(t, x1, y1, x1, y2, colour);
    FillRect(t, x2, y1, x2, y2, colour);
}

void Line(ImageBuffer& t, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
          Pixel colour) {
    const std::int64_t dx = x2 - x1;
    const std::int64_t dy = y2 - y1;
    if (dx == 0 && dy == 0) return Plot(t, x1, y1, colour);
    if (std::abs(dx) >= std::abs(dy)) {
        if (dx < 0) return Line(t, x2, y2, x1, y1, colour);
        // Walk only the visible columns; each one's row follows from the whole line.
        const std::int64_t from = std::max<std::int64_t>(x1, 0);
        const std::int64_t to = std::min<std::int64_t>(x2, t.Width - 1);
        for (std::int64_t x = from; x <= to; ++x)
            Plot(t, x, y1 + RoundDiv(static_cast<__int128>(x - x1) * dy, dx), colour);
    } else {
        if (dy < 0) return Line(t, x2, y2, x1, y1, colour);
        const std::int64_t from = std::max<std::int64_t>(y1, 0);
        const std::int64_t to = std::min<std::int64_t>(y2, t.Height - 1);
        for (std::int64_t y = from; y <= to; ++y)
            Plot(t, x1 + RoundDiv(static_cast<__int128>(y - y1) * dx, dy), y, colour);
    }
}

void Circle(ImageBuffer& t, std::int64_t cx, std::int64_t cy, std::int64_t r, Pixel colour,
            bool filled) {
    if (r <= 0) return;
    const std::int64_t top = std::max<std::int64_t>(cy - r, 0);
    const std::int64_t bottom = std::min<std::int64_t>(cy + r, t.Height - 1);
    for (std::int64_t y = top; y <= bottom; ++y) {
        const std::int64_t dy = y - cy;
        const std::int64_t half = HalfWidth(r, dy);
        if (filled) {
            HorizontalSpan(t, y, cx - half, cx + half, colour);
            continue;
        }
        // Border pixels: those of this row that the narrower neighbour row does not cover.
        const std::int64_t inner = std::min(HalfWidth(r, dy - 1), HalfWidth(r, dy + 1));
        const std::int64_t from = std::min(inner + 1, half);
        HorizontalSpan(t, y, cx - half, cx - from, colour);
        HorizontalSpan(t, y, cx + from, cx + half, colour);
    }
}

void Text(ImageBuffer& t, std::int64_t x, std::int64_t y, std::string_view text, Pixel colour) {
    if (y + 7 < 0 || y >= t.Height) return;
    for (std::size_t k = 0; k < text.size(); ++k) {
        const std::int64_t cellX = x + 8 * static_cast<std::int64_t>(k);
        if (cellX >= t.Width) break;
        if (cellX + 7 < 0) continue;
        const Glyph& glyph = GlyphFor(static_cast<unsigned char>(text[k]));
        for (int row = 0; row < 8; ++row) {
            for (int col = 0; col < 8; ++col) {
                if (glyph[row] & (0x80 >> col)) Plot(t, cellX + col, y + row, colour);
            }
        }
    }
}

namespace {

void KeyedSpan(Pixel* __restrict dst, const Pixel* __restrict src, std::int64_t width) {
    for (std::int64_t i = 0; i < width; ++i) {
        const Pixel s = src[i];
        dst[i] = ((s & 0xFFFFFF) == KeyColour) ? dst[i] : s;
    }
}

}  // namespace

// Written without branches so that the compiler vectorises the row loop for any x86-64.
void KeyedRectPortable(Pixel* __restrict dst, std::int64_t dstPitch, const Pixel* __restrict src,
                       std::int64_t srcPitch, std::int64_t width, std::int64_t rows) {
    for (std::int64_t row = 0; row < rows; ++row, dst += dstPitch, src += srcPitch)
        KeyedSpan(dst, src, width);
}

// Eight pixels at a time: one compare, then the destination is left alone (all eight keyed),
// overwritten (none keyed) or blended; sprites are mostly runs of one or the other, so the
// destination is rarely read. A masked store would never read it, but it is microcoded on some
// x86 cores (many times slower there); the blend costs the same everywhere.
__attribute__((target("avx2"))) void KeyedRectAvx2(Pixel* dst, std::int64_t dstPitch,
                                                   const Pixel* src, std::int64_t srcPitch,
                                                   std::int64_t width, std::int64_t rows) {
    const __m256i low24 = _mm256_set1_epi32(0xFFFFFF);
    const __m256i key = _mm256_set1_epi32(static_cast<int>(KeyColour));
    const std::int64_t whole = width & ~std::int64_t{7};
    for (std::int64_t row = 0; row < rows; ++row, dst += dstPitch, src += srcPitch) {
        for (std::int64_t i = 0; i < whole; i += 8) {
            auto* d = reinterpret_cast<__m256i*>(dst + i);
            const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(src + i));
            const __m256i keyed = _mm256_cmpeq_epi32(_mm256_and_si256(s, low24), key);
            const int mask = _mm256_movemask_ps(_mm256_castsi256_ps(keyed));
            if (mask == 0xFF) continue;  // all transparent
            _mm256_storeu_si256(
                d, mask == 0 ? s : _mm256_blendv_epi8(s, _mm256_loadu_si256(d), keyed));
        }
        KeyedSpan(dst + whole, src + whole, width - whole);
    }
}

void KeyedRect(Pixel* __restrict dst, std::int64_t dstPitch, const Pixel* __restrict src,
               std::int64_t srcPitch, std::int64_t width, std::int64_t rows) {
    static const bool avx2 = __builtin_cpu_supports("avx2");
    if (avx2) return KeyedRectAvx2(dst, dstPitch, src, srcPitch, width, rows);
    KeyedRectPortable(dst, dstPitch, src, srcPitch, width, rows);
}

void Blit(ImageBuffer& t, std::int64_t x, std::int64_t y, const ImageBuffer& src, PutMode mode) {
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t right = std::min<std::int64_t>(x + src.Width, t.Width);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t bottom = std::min<std::int64_t>(y + src.Height, t.Height);
    if (left >= right || top >= bottom) return;
    const std::int64_t count = right - left;
    Pixel* d = t.Row(static_cast<int>(top)) + left;
    const Pixel* s = src.Row(static_cast<int>(top - y)) + (left - x);
    if (mode == PutMode::Keyed) return KeyedRect(d, t.Width, s, src.Width, count, bottom - top);
    for (std::int64_t row = top; row < bottom; ++row, d += t.Width, s += src.Width)
        std::memcpy(d, s, static_cast<std::size_t>(count) * sizeof(Pixel));
}

}  // namespace presentation::raster
