// The desktop icon's PNG file, read back with zlib: valid chunks, the declared size, unfiltered
// RGBA rows, transparency exactly where the icon is unpainted, and a crystal in its middle.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/resgen/art.h"
#include "tools/resgen/files.h"

namespace res_testing {
namespace {

std::uint32_t Big32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
           std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

struct Chunk {
    std::string Type;
    std::vector<std::uint8_t> Data;
};

// Splits the file into chunks, checking each one's CRC.
std::vector<Chunk> ReadChunks(const std::vector<std::uint8_t>& png) {
    std::vector<Chunk> chunks;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t size = Big32(png, at);
        const std::uint8_t* typeAndData = png.data() + at + 4;
        EXPECT_EQ(crc32(0, typeAndData, size + 4), Big32(png, at + 8 + size));
        chunks.push_back({std::string(typeAndData, typeAndData + 4),
                          std::vector<std::uint8_t>(typeAndData + 4, typeAndData + 4 + size)});
        at += 12 + size;
    }
    return chunks;
}

TEST(DesktopIcon, IsAValidRgbaPngTransparentWhereUnpainted) {
    for (int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const resgen::Canvas icon = resgen::PaintIcon(size);
        const std::vector<std::uint8_t> png = resgen::EncodePng(icon);
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");
        const auto chunks = ReadChunks(png);
        ASSERT_EQ(chunks.size(), 3u);
        EXPECT_EQ(chunks[0].Type, "IHDR");
        EXPECT_EQ(chunks[2].Type, "IEND");
        EXPECT_EQ(Big32(chunks[0].Data, 0), static_cast<std::uint32_t>(size));
        EXPECT_EQ(Big32(chunks[0].Data, 4), static_cast<std::uint32_t>(size));
        std::vector<std::uint8_t> raw(static_cast<std::size_t>(size) * (1 + 4 * size));
        uLongf rawSize = raw.size();
        ASSERT_EQ(uncompress(raw.data(), &rawSize, chunks[1].Data.data(), chunks[1].Data.size()),
                  Z_OK);
        ASSERT_EQ(rawSize, raw.size());
        int clear = 0;
        for (int y = 0; y < size; ++y) {
            const std::uint8_t* row = raw.data() + static_cast<std::size_t>(y) * (1 + 4 * size);
            EXPECT_EQ(row[0], 0);  // no filter
            for (int x = 0; x < size; ++x) {
                const bool unpainted = icon.Get(x, y) == resgen::Key;
                EXPECT_EQ(row[1 + 4 * x + 3], unpainted ? 0 : 255);
                clear += unpainted;
            }
        }
        EXPECT_GT(clear, 0);  // the corners outside the round patch
        EXPECT_FALSE(icon.Get(size / 2, size / 2) == resgen::Key);
    }
}

}  // namespace
}  // namespace res_testing
