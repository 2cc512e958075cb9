// The bitmap loader: every accepted variant, partial copies, and refusals of bad files.
#include <gtest/gtest.h>

#include "presentation/bitmap.h"
#include "presentation/image_loading.h"
#include "presentation/screen_testing.h"
#include "tests/presentation/bitmap_writer_support.h"

namespace presentation {
namespace {

using testing::BitmapRecipe;
using testing::MakeBitmap;

class BitmapTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::OpenMemoryScreen(64, 64); }
    void TearDown() override { CloseScreen(); }

    // Decodes into a fresh image of the given size filled with a marker colour.
    static ImageBuffer Decode(const BitmapRecipe& recipe, LoadStatus expected, int w = 0,
                              int h = 0) {
        ImageBuffer image(w ? w : recipe.Width, h ? h : std::abs(recipe.Height), 0x123456);
        const auto bytes = MakeBitmap(recipe);
        EXPECT_EQ(DecodeBitmap(bytes, image), expected);
        return image;
    }
};

TEST_F(BitmapTest, TwentyFourBitRowsBottomUpAndTopDownWithPadding) {
    BitmapRecipe recipe;
    recipe.Width = 3;  // 9 bytes a row, padded to 12
    recipe.Rows = {{0xFF00FF, 0x010203, 0xABCDEF}, {0x000000, 0xFFFFFF, 0x7F7F7F}};
    for (int height : {2, -2}) {
        recipe.Height = height;
        const ImageBuffer image = Decode(recipe, LoadStatus::Loaded);
        EXPECT_EQ(image.Row(0)[0], 0xFFFF00FFu) << height;  // magenta with the top byte set
        EXPECT_EQ(image.Row(0)[1], 0xFF010203u);
        EXPECT_EQ(image.Row(0)[2], 0xFFABCDEFu);
        EXPECT_EQ(image.Row(1)[1], 0xFFFFFFFFu);
        EXPECT_EQ(image.Row(1)[2], 0xFF7F7F7Fu);
    }
}

TEST_F(BitmapTest, PaletteDepthsIncludingTheCoreHeader) {
    for (int bits : {1, 2, 4, 8}) {
        for (std::uint32_t infoSize : {12u, 40u}) {
            BitmapRecipe recipe;
            recipe.Bits = bits;
            recipe.InfoSize = infoSize;
            recipe.Width = 5;
            recipe.Height = 2;
            recipe.Palette.assign(1u << bits, 0);
            recipe.Palette[0] = 0x112233;
            recipe.Palette[1] = 0xFF00FF;
            recipe.Palette.back() = 0x445566;
            const std::uint32_t last = (1u << bits) - 1;
            recipe.Rows = {{0, 1, last, 1, 0}, {last, last, 0, 0, 1}};
            const ImageBuffer image = Decode(recipe, LoadStatus::Loaded);
            const std::uint32_t one = bits == 1 ? 0x445566 : 0xFF00FF;
            SCOPED_TRACE(::testing::Message() << bits << " bits, header " << infoSize);
            EXPECT_EQ(image.Row(0)[0] & 0xFFFFFF, 0x112233u);
            EXPECT_EQ(image.Row(0)[1] & 0xFFFFFF, one);
            EXPECT_EQ(image.Row(0)[2] & 0xFFFFFF, 0x445566u);
            EXPECT_EQ(image.Row(1)[0] & 0xFFFFFF, 0x445566u);
            EXPECT_EQ(image.Row(1)[4] & 0xFFFFFF, one);
        }
    }
}

TEST_F(BitmapTest, SixteenBitDefaultAndMaskedChannelsAreWidened) {
    BitmapRecipe recipe;
    recipe.Bits = 16;
    recipe.Width = 2;
    recipe.Height = 1;
    recipe.Rows = {{0x7C00, 0x0421}};  // 5-5-5: full red; 1,1,1
    ImageBuffer image = Decode(recipe, LoadStatus::Loaded);
    EXPECT_EQ(image.Row(0)[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(image.Row(0)[1] & 0xFFFFFF, 0x080808u);  // 00001 widens to 00001000

    recipe.Compression = 3;
    recipe.Masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5 after a 40-byte header
    recipe.Rows = {{0x07E0, 0xF81F}};
    image = Decode(recipe, LoadStatus::Loaded);
    EXPECT_EQ(image.Row(0)[0] & 0xFFFFFF, 0x00FF00u);
    EXPECT_EQ(image.Row(0)[1] & 0xFFFFFF, 0xFF00FFu);
}

TEST_F(BitmapTest, ThirtyTwoBitKeepsAlphaAndHonoursHeaderMasks) {
    BitmapRecipe recipe;
    recipe.Bits = 32;
    recipe.Width = 1;
    recipe.Height = 1;
    recipe.Rows = {{0x80102030}};
    EXPECT_EQ(Decode(recipe, LoadStatus::Loaded).Row(0)[0], 0x80102030u);

    recipe.InfoSize = 124;  // masks inside the header: bytes stored R, G, B, A from the top
    recipe.Compression = 3;
    recipe.Masks = {0xFF000000, 0x00FF0000, 0x0000FF00, 0x000000FF};
    recipe.Rows = {{0x112233C0}};
    EXPECT_EQ(Decode(recipe, LoadStatus::Loaded).Row(0)[0], 0xC0112233u);
}

TEST_F(BitmapTest, LargerBitmapFillsOnlyTheTopLeftOfASmallerImage) {
    BitmapRecipe recipe;
    recipe.Width = 100;
    recipe.Height = 50;
    recipe.Rows.assign(50, std::vector<std::uint32_t>(100, 0x00AA00));
    recipe.Rows[0][63] = 0x0000BB;
    recipe.Rows[49][0] = 0xCC0000;
    const ImageBuffer image = Decode(recipe, LoadStatus::Loaded, 64, 64);
    EXPECT_EQ(image.Row(0)[63], 0xFF0000BBu);
    EXPECT_EQ(image.Row(49)[0], 0xFFCC0000u);
    EXPECT_EQ(image.Row(49)[40], 0xFF00AA00u);
    EXPECT_EQ(image.Row(50)[0], 0x123456u);  // the bottom 14 rows keep their colour
    EXPECT_EQ(image.Row(63)[63], 0x123456u);
}

TEST_F(BitmapTest, RejectedHeadersLoadNothing) {
    BitmapRecipe good;
    good.Rows = {{1, 2}, {3, 4}};
    auto expectBad = [&](BitmapRecipe recipe, const char* why) {
        ImageBuffer image(2, 2, 0x123456);
        EXPECT_EQ(DecodeBitmap(MakeBitmap(recipe), image), LoadStatus::BadFile) << why;
        EXPECT_EQ(image.Row(0)[0], 0x123456u) << why;
    };
    BitmapRecipe s = good;
    s.Planes = 2, expectBad(s, "planes");
    s = good, s.Width = 0, expectBad(s, "width 0");
    s = good, s.Width = -4, expectBad(s, "negative width");
    s = good, s.Height = 0, s.Rows.clear(), expectBad(s, "height 0");
    s = good, s.Compression = 1, expectBad(s, "run-length");
    s = good, s.Bits = 48, expectBad(s, "48 bits");
    s = good, s.Bits = 0, expectBad(s, "0 bits");
    s = good, s.InfoSize = 13, expectBad(s, "header 13");
    s = good, s.InfoSize = 125, expectBad(s, "header 125");

    auto bytes = MakeBitmap(good);
    bytes[1] = 'X';
    ImageBuffer image(2, 2, 0);
    EXPECT_EQ(DecodeBitmap(bytes, image), LoadStatus::BadFile);
    bytes = MakeBitmap(good);
    bytes.resize(30);  // cut inside the info header
    EXPECT_EQ(DecodeBitmap(bytes, image), LoadStatus::BadFile);
}

TEST_F(BitmapTest, TruncatedPixelsKeepTheRowsReadBeforeTheEnd) {
    BitmapRecipe recipe;
    recipe.Width = 1;
    recipe.Height = 3;  // bottom-up: the file holds the bottom row first
    recipe.Rows = {{0x0000AA}, {0x0000BB}, {0x0000CC}};
    auto bytes = MakeBitmap(recipe);
    bytes.resize(bytes.size() - 4);  // lose the last stored row, which is the top one
    ImageBuffer image(1, 3, 0x123456);
    EXPECT_EQ(DecodeBitmap(bytes, image), LoadStatus::BadFile);
    EXPECT_EQ(image.Row(2)[0], 0xFF0000CCu);
    EXPECT_EQ(image.Row(1)[0], 0xFF0000BBu);
    EXPECT_EQ(image.Row(0)[0], 0x123456u);
}

TEST_F(BitmapTest, HostileSizesNeitherAllocateNorReadBeyondTheImage) {
    BitmapRecipe recipe;
    recipe.Width = 0x7FFFFFFF;
    recipe.Height = -0x7FFFFFFF;
    recipe.Bits = 32;
    recipe.Rows = {{0x00ABCDEF}};
    const auto bytes = MakeBitmap(recipe);
    ImageBuffer image(1, 1, 0);
    EXPECT_EQ(DecodeBitmap(bytes, image), LoadStatus::Loaded);
    EXPECT_EQ(image.Row(0)[0], 0x00ABCDEFu);

    EXPECT_EQ(CreateImage(100000, 100000), nullptr);
    EXPECT_EQ(CreateImage(MaxImageSide, MaxImageSide / 2 + 1), nullptr);  // too many pixels
    EXPECT_NE(CreateImage(MaxImageSide, 1), nullptr);
    const std::string path = testing::WriteTempFile("huge.bmp", bytes);
    EXPECT_EQ(LoadImageFile(path), nullptr);

    // Within the image limits, but far more pixels than the file's bytes could hold: no image
    // rather than 64 MB of key colour for a file of a few dozen bytes.
    recipe.Width = 4096;
    recipe.Height = 4096;
    EXPECT_EQ(LoadImageFile(testing::WriteTempFile("claims.bmp", MakeBitmap(recipe))), nullptr);
}

TEST_F(BitmapTest, FilesProbesAndImageLoading) {
    EXPECT_EQ(LoadBitmap("no\\such\\file.bmp", CreateImage(2, 2)), LoadStatus::FileMissing);

    BitmapRecipe recipe;
    recipe.Width = 3;
    recipe.Height = 2;
    recipe.Rows = {{0xFF00FF, 1, 2}, {3, 4, 5}};
    const std::string path = testing::WriteTempFile("small.bmp", MakeBitmap(recipe));
    const BitmapSize size = ProbeBitmapSize(path);
    EXPECT_EQ(size.Width, 3);
    EXPECT_EQ(size.Height, 2);
    const Image image = LoadImageFile(path);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Row(0)[0], 0xFFFF00FFu);
    EXPECT_EQ(image->Row(1)[2], 0xFF000005u);

    recipe.Height = -2;  // top-down: the probe's negative height makes no image
    EXPECT_EQ(LoadImageFile(testing::WriteTempFile("topdown.bmp", MakeBitmap(recipe))), nullptr);

    EXPECT_EQ(ProbeBitmapSize(testing::WriteTempFile("bx.bmp", {'B', 'X', 1, 2})).Width, 0);
    EXPECT_EQ(ProbeBitmapSize(testing::WriteTempFile("xm.bmp", {'X', 'M', 1, 2})).Width, 0);
    const BitmapSize shortProbe =
        ProbeBitmapSize(testing::WriteTempFile("short.bmp", {'B', 'M', 0}));
    EXPECT_EQ(shortProbe.Width, 0);
    EXPECT_EQ(shortProbe.Height, 0);
    EXPECT_EQ(ProbeBitmapSize("no\\such.bmp").Width, 0);
}

}  // namespace
}  // namespace presentation
