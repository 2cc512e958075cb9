// The desktop icon: the game's plain crystal on a round patch of its earth, at any of the
// hicolor theme's sizes, and the PNG file it is installed as. Generator thread.
#include <array>
#include <cmath>

#include "tools/resgen/art.h"
#include "tools/resgen/files.h"

namespace resgen {

Canvas PaintIcon(int size) {
    Canvas c(size, size);
    const double centre = (size - 1) / 2.0;
    const Canvas earth = PaintEarth();
    // The earth shows through a disc; its texture is sampled at the icon's scale so that small
    // sizes keep a texture and large ones do not blur it.
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double dx = x - centre, dy = y - centre;
            if (dx * dx + dy * dy > (size * 0.48) * (size * 0.48)) continue;
            c.Set(x, y, earth.Get(x * earth.Width / size, y * earth.Height / size));
        }
    DrawGem(c, centre, centre * 1.02, size * 0.7, false);
    AddOutline(c, Hex(0x1A1420));
    return c;
}

namespace {

constexpr std::array<std::uint8_t, 8> Signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void PutBig32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type,
              const std::vector<std::uint8_t>& data) {
    PutBig32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    PutBig32(out, Crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) blocks: an icon is small, and the generator needs no
// compression library.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        out.push_back(at + n == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(n));
        out.push_back(static_cast<std::uint8_t>(n >> 8));
        out.push_back(static_cast<std::uint8_t>(~n));
        out.push_back(static_cast<std::uint8_t>(~n >> 8));
        out.insert(out.end(), raw.begin() + at, raw.begin() + at + n);
        at += n;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (std::uint8_t byte : raw) a = (a + byte) % 65521, b = (b + a) % 65521;
    PutBig32(out, (b << 16) | a);
    return out;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
    std::vector<std::uint8_t> header;
    PutBig32(header, canvas.Width);
    PutBig32(header, canvas.Height);
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8-bit RGBA, no interlace
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < canvas.Height; ++y) {
        raw.push_back(0);  // no filter
        for (int x = 0; x < canvas.Width; ++x) {
            const Colour p = canvas.Get(x, y);
            const bool clear = p == Key;  // the key colour is the icon's transparency
            raw.insert(raw.end(), {p.R, p.G, p.B, static_cast<std::uint8_t>(clear ? 0 : 255)});
        }
    }
    std::vector<std::uint8_t> out(Signature.begin(), Signature.end());
    PutChunk(out, "IHDR", header);
    PutChunk(out, "IDAT", StoredZlib(raw));
    PutChunk(out, "IEND", {});
    return out;
}

}  // namespace resgen
