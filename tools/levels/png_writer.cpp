// The PNG encoder; see png_writer.h.
#include "tools/levels/png_writer.h"

#include <zlib.h>

#include <array>
#include <cstdlib>
#include <vector>

namespace levels {

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int Channels = 3;

void PutBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char (&type)[5], const std::string& data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    const auto* bytes = reinterpret_cast<const Bytef*>(body.data());
    PutBigEndian(out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(body.size()))));
}

std::uint8_t Paeth(int left, int up, int upLeft) {
    const int guess = left + up - upLeft;
    const int toLeft = std::abs(guess - left), toUp = std::abs(guess - up);
    const int toUpLeft = std::abs(guess - upLeft);
    if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
    return static_cast<std::uint8_t>(toUp <= toUpLeft ? up : upLeft);
}

// The row under one of the five filters (None, Sub, Up, Average, Paeth); prior is the row above
// (all zero for the first).
Bytes FilterRow(const Bytes& row, const Bytes& prior, int filter) {
    Bytes out(row.size() + 1);
    out[0] = static_cast<std::uint8_t>(filter);
    for (std::size_t i = 0; i < row.size(); ++i) {
        const int left = i >= Channels ? row[i - Channels] : 0;
        const int upLeft = i >= Channels ? prior[i - Channels] : 0;
        const int up = prior[i];
        const std::array<int, 5> predictions{0, left, up, (left + up) / 2, Paeth(left, up, upLeft)};
        out[i + 1] = static_cast<std::uint8_t>(row[i] - predictions[filter]);
    }
    return out;
}

// The usual choice: the filter whose output, read as signed bytes, sums smallest.
Bytes BestFilteredRow(const Bytes& row, const Bytes& prior) {
    Bytes best;
    long bestCost = -1;
    for (int filter = 0; filter < 5; ++filter) {
        Bytes candidate = FilterRow(row, prior, filter);
        long cost = 0;
        for (std::size_t i = 1; i < candidate.size(); ++i)
            cost += std::abs(static_cast<std::int8_t>(candidate[i]));
        if (bestCost < 0 || cost < bestCost) best = std::move(candidate), bestCost = cost;
    }
    return best;
}

Bytes FilteredImage(std::int32_t width, std::int32_t height,
                    std::span<const std::uint32_t> pixels) {
    Bytes filtered, prior(static_cast<std::size_t>(width) * Channels, 0);
    for (std::int32_t y = 0; y < height; ++y) {
        Bytes row;
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(y) * width + x];
            row.insert(row.end(),
                       {static_cast<std::uint8_t>(p >> 16), static_cast<std::uint8_t>(p >> 8),
                        static_cast<std::uint8_t>(p)});
        }
        const Bytes out = BestFilteredRow(row, prior);
        filtered.insert(filtered.end(), out.begin(), out.end());
        prior = std::move(row);
    }
    return filtered;
}

}  // namespace

std::string EncodePng(std::int32_t width, std::int32_t height,
                      std::span<const std::uint32_t> pixels) {
    if (width < 1 || height < 1 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        return {};
    const Bytes raw = FilteredImage(width, height, pixels);
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, raw.data(),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};
    packed.resize(packedSize);

    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(width));
    PutBigEndian(header, static_cast<std::uint32_t>(height));
    header += std::string{8, 2, 0, 0, 0};  // 8 bits, RGB, deflate, adaptive filters, no interlace
    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", "");
    return png;
}

}  // namespace levels
