// Level pictures: every cell is its tile picture shrunk four times over the backdrop, the exits
// are drawn open, and the PNG file holds exactly those pixels.
#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "presentation/image_loading.h"
#include "presentation/screen_testing.h"
#include "tests/tools/levels/level_tool_support.h"
#include "tools/levels/level_picture.h"
#include "tools/levels/png_writer.h"

namespace levels {
namespace {

namespace pr = presentation;

class LevelPictureTest : public ::testing::Test {
  protected:
    LevelPictureTest() { pr::testing::OpenMemoryScreen(1024, 768); }
    ~LevelPictureTest() override { pr::CloseScreen(); }
};

// The 4 x 4 block of the tile at (left, top), drawn keyed over the backdrop, averaged.
std::uint32_t ShrunkBlock(const std::string& tile, int left, int top) {
    const pr::Image backdrop = pr::LoadImageFile("res\\map\\background.bmp");
    const pr::Image picture = pr::LoadImageFile("res\\map\\" + tile + ".bmp");
    std::uint32_t sums[3] = {};
    for (int y = top; y < top + 4; ++y) {
        for (int x = left; x < left + 4; ++x) {
            pr::Pixel p = picture->Row(y)[x];
            if ((p & 0xFFFFFF) == pr::KeyColour) p = backdrop->Row(y)[x];
            for (int c = 0; c < 3; ++c) sums[c] += (p >> (16 - 8 * c)) & 0xFF;
        }
    }
    return ((sums[0] + 8) / 16) << 16 | ((sums[1] + 8) / 16) << 8 | (sums[2] + 8) / 16;
}

TEST_F(LevelPictureTest, EachCellIsItsTileShrunkOverTheBackdrop) {
    std::string error;
    const auto painter = LevelPainter::Load(&error);
    ASSERT_TRUE(painter) << error;
    world::LevelMap map;
    map.Cells.fill(world::Massive);
    map.At(2, 1) = world::Empty;
    map.At(3, 1) = world::StairDown;
    map.At(63, 63) = world::Stone;
    const LevelPicture picture = painter->Paint(map);
    ASSERT_EQ(picture.Width, 1024);
    ASSERT_EQ(picture.Height, 1024);
    ASSERT_EQ(picture.Pixels.size(), 1024u * 1024u);
    auto at = [&](int x, int y) { return picture.Pixels[y * 1024 + x]; };

    EXPECT_EQ(at(0, 0), ShrunkBlock("massive", 0, 0));
    EXPECT_EQ(at(2 * 16 + 5, 16 + 9), ShrunkBlock("background", 20, 36));
    EXPECT_EQ(at(3 * 16 + 8, 16 + 8), ShrunkBlock("stairdown", 32, 32));  // the exit open
    EXPECT_NE(at(3 * 16 + 8, 16 + 8), ShrunkBlock("stairdownclosed", 32, 32));
    EXPECT_EQ(at(1023, 1023), ShrunkBlock("stone", 60, 60));
}

TEST_F(LevelPictureTest, WithoutTheTilePicturesThereIsNoPainter) {
    const auto here = std::filesystem::current_path();
    const test::ScratchLevels elsewhere;  // no res/ in it
    std::filesystem::current_path(elsewhere.Folders().LevelFiles.parent_path());
    std::string error;
    EXPECT_FALSE(LevelPainter::Load(&error));
    std::filesystem::current_path(here);
    EXPECT_NE(error.find("res/map/"), std::string::npos);
}

std::uint32_t BigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

int PaethOf(int a, int b, int c) {
    const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
    return pa <= pb && pa <= pc ? a : (pb <= pc ? b : c);
}

// The pixels of a PNG as EncodePng writes it (one IDAT, 8-bit RGB), undoing each row's filter.
std::vector<std::uint32_t> DecodePng(const std::string& png, int width, int height) {
    const std::size_t idat = png.find("IDAT") - 4;
    const std::uint32_t length = BigEndian(png, idat);
    const int stride = width * 3;
    std::vector<std::uint8_t> raw(static_cast<std::size_t>(stride + 1) * height);
    uLongf rawSize = raw.size();
    EXPECT_EQ(uncompress(raw.data(), &rawSize,
                         reinterpret_cast<const Bytef*>(png.data() + idat + 8), length),
              Z_OK);
    EXPECT_EQ(rawSize, raw.size());
    std::vector<std::uint8_t> image(static_cast<std::size_t>(stride) * height);
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t filter = raw[y * (stride + 1)];
        for (int i = 0; i < stride; ++i) {
            const int a = i >= 3 ? image[y * stride + i - 3] : 0;
            const int b = y > 0 ? image[(y - 1) * stride + i] : 0;
            const int c = i >= 3 && y > 0 ? image[(y - 1) * stride + i - 3] : 0;
            const int predictions[5] = {0, a, b, (a + b) / 2, PaethOf(a, b, c)};
            image[y * stride + i] = raw[y * (stride + 1) + 1 + i] + predictions[filter];
        }
        for (int x = 0; x < width; ++x) {
            const std::uint8_t* p = &image[y * stride + x * 3];
            pixels.push_back(std::uint32_t{p[0]} << 16 | std::uint32_t{p[1]} << 8 | p[2]);
        }
    }
    return pixels;
}

TEST(PngWriter, TheFileHoldsExactlyThePixels) {
    constexpr int Width = 37, Height = 23;  // rows that suit different filters
    std::vector<std::uint32_t> pixels;
    std::uint32_t noise = 12345;
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            noise = noise * 1103515245 + 12345;
            const std::uint32_t smooth = (x * 7) << 16 | (y * 11) << 8 | (x + y) * 3;
            pixels.push_back(y % 3 == 0 ? (noise >> 8) & 0xFFFFFF : smooth);
        }
    }
    pixels[5] |= 0xAB000000;  // the top byte is not written
    const std::string png = EncodePng(Width, Height, pixels);
    ASSERT_EQ(png.substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(BigEndian(png, 16), std::uint32_t{Width});
    EXPECT_EQ(BigEndian(png, 20), std::uint32_t{Height});
    EXPECT_EQ(png.substr(png.size() - 8, 4), "IEND");
    // The header chunk's check sum covers its type and data.
    const auto* header = reinterpret_cast<const Bytef*>(png.data() + 12);
    EXPECT_EQ(BigEndian(png, 29), crc32(0, header, 17));

    pixels[5] &= 0xFFFFFF;
    EXPECT_EQ(DecodePng(png, Width, Height), pixels);
    EXPECT_EQ(EncodePng(Width, Height + 1, pixels), "");
}

}  // namespace
}  // namespace levels
