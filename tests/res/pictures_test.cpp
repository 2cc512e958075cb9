// Every picture of the resource tree: its file format, loading it with the game's own loader,
// transparency where the game blits it Keyed and none where it blits Opaque, and the screen
// layout it has to fit (buttons centred and clear of the level-code row, the OK button clear of
// the level-complete dialog's text, the dead notice clear of the OK button, panels that frame
// five digits and do not overlap), and an explosion that bursts and then fades.
// Runs on the test's thread.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "presentation/image_loading.h"
#include "presentation/screen_testing.h"
#include "tests/res/res_catalogue_support.h"
#include "tests/res/res_files_support.h"

namespace res_testing {
namespace {

using presentation::Image;
using presentation::ImageBuffer;

bool IsKey(const ImageBuffer& image, int x, int y) {
    return (image.Row(y)[x] & 0xFFFFFF) == presentation::KeyColour;
}

int OpaqueCount(const ImageBuffer& image) {
    int count = 0;
    for (int y = 0; y < image.Height; ++y)
        for (int x = 0; x < image.Width; ++x) count += IsKey(image, x, y) ? 0 : 1;
    return count;
}

class Pictures : public ::testing::Test {
  protected:
    void SetUp() override { presentation::testing::OpenMemoryScreen(1024, 768); }
    void TearDown() override { presentation::CloseScreen(); }

    // Loads the picture the way the game does; fails the test when that gives no image.
    static Image Load(const std::string& path) {
        Image image = presentation::LoadImageFile(path);
        EXPECT_NE(image, nullptr) << path;
        return image;
    }
};

TEST_F(Pictures, AreUncompressed24BitBottomUpBitmapsWithPaddedRows) {
    for (const PictureRule& rule : res_testing::Pictures()) {
        SCOPED_TRACE(rule.Path);
        const Bytes bytes = ReadBytes(rule.Path);
        const BitmapHeader h = ReadBitmapHeader(bytes);
        EXPECT_TRUE(h.Signature);
        EXPECT_EQ(h.InfoSize, 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(h.Bits, 24u);
        EXPECT_EQ(h.Compression, 0u);
        EXPECT_EQ(h.Planes, 1u);
        EXPECT_GT(h.Width, 0);
        EXPECT_GT(h.Height, 0);  // bottom row first: the game refuses top-down bitmaps
        const std::size_t rowBytes = (static_cast<std::size_t>(h.Width) * 3 + 3) / 4 * 4;
        EXPECT_EQ(h.DataOffset, 54u);
        EXPECT_EQ(bytes.size(), 54 + rowBytes * static_cast<std::size_t>(h.Height));
        EXPECT_EQ(h.FileSize, bytes.size());
    }
}

TEST_F(Pictures, LoadWithTheGamesLoaderAtTheSizeOfACell) {
    for (const PictureRule& rule : res_testing::Pictures()) {
        SCOPED_TRACE(rule.Path);
        const Image image = Load(rule.Path);
        if (!image || rule.Width == 0) continue;
        EXPECT_EQ(image->Width, rule.Width);
        EXPECT_EQ(image->Height, rule.Height);
    }
}

TEST_F(Pictures, CoverTilesHaveNoKeyColourAndSpritesLetTheBackdropShow) {
    for (const PictureRule& rule : res_testing::Pictures()) {
        SCOPED_TRACE(rule.Path);
        const Image image = Load(rule.Path);
        if (!image) continue;
        const int opaque = OpaqueCount(*image);
        const int all = image->Width * image->Height;
        if (rule.Opaque) {
            EXPECT_EQ(opaque, all) << "an Opaque blit would show magenta";
        } else {
            EXPECT_LT(opaque, all) << "a Keyed picture with no transparent pixel";
            EXPECT_GT(opaque, 0) << "an invisible picture";
        }
    }
}

TEST_F(Pictures, ButtonPairsAreCentredAndTheDownPictureCoversTheUpPicture) {
    for (const char* name : {"playgame", "back", "ok"}) {
        const std::string base = std::string("res/menu/") + name;
        const bool ok = std::string(name) == "ok";
        const Image up = Load(base + (ok ? "up.bmp" : " up.bmp"));
        const Image down = Load(base + (ok ? "down.bmp" : " down.bmp"));
        ASSERT_TRUE(up && down) << name;
        // The button's hit rectangle is the down picture's size, so both must match.
        EXPECT_EQ(up->Width, down->Width) << name;
        EXPECT_EQ(up->Height, down->Height) << name;
        EXPECT_EQ(416 + down->Width / 2, 512) << name << " is not centred on the screen";
        // The down picture is drawn Keyed over the up picture while hovered: where it is
        // transparent the up picture would show through.
        for (int y = 0; y < up->Height; ++y)
            for (int x = 0; x < up->Width; ++x) {
                if (!IsKey(*up, x, y)) {
                    ASSERT_FALSE(IsKey(*down, x, y)) << name << " at " << x << "," << y;
                }
            }
    }
}

TEST_F(Pictures, MenuButtonsStayClearOfTheLevelCodeRow) {
    const Image play = Load("res/menu/playgame up.bmp");
    const Image back = Load("res/menu/back up.bmp");
    ASSERT_TRUE(play && back);
    EXPECT_LE(286 + play->Height, 350);  // the label and text box start at y 350
    EXPECT_GT(482, 362);                 // and end at y 362
    EXPECT_LE(482 + back->Height, 768);
}

TEST_F(Pictures, OkButtonLeavesTheDialogLabelAndTextBoxVisible) {
    // The level-complete dialog shows a label at (440, 350) and a text box up to (587, 362);
    // its OK button stands at (416, 360), so its rows for y 360..362 must be transparent there.
    for (const char* path : {"res/menu/okup.bmp", "res/menu/okdown.bmp"}) {
        const Image ok = Load(path);
        ASSERT_TRUE(ok);
        for (int y = 360; y <= 362; ++y)
            for (int x = 440; x <= 587; ++x)
                ASSERT_TRUE(IsKey(*ok, x - 416, y - 360))
                    << path << " hides (" << x << "," << y << ")";
    }
}

TEST_F(Pictures, DeadNoticeAndOkButtonDoNotHideEachOther) {
    const Image notice = Load("res/menu/veryweak.bmp");
    ASSERT_TRUE(notice);
    EXPECT_LE(387 + notice->Width, 1024);
    for (const char* path : {"res/menu/okup.bmp", "res/menu/okdown.bmp"}) {
        const Image ok = Load(path);
        ASSERT_TRUE(ok);
        int overlap = 0;
        for (int y = 0; y < notice->Height; ++y)
            for (int x = 0; x < notice->Width; ++x) {
                const int ox = 387 + x - 416, oy = 259 + y - 360;
                if (IsKey(*notice, x, y) || ox < 0 || oy < 0 || ox >= ok->Width || oy >= ok->Height)
                    continue;
                overlap += IsKey(*ok, ox, oy) ? 0 : 1;
            }
        EXPECT_EQ(overlap, 0) << path;
    }
}

TEST_F(Pictures, ScorePanelFramesFiveDistinctDigitsAndFitsBesideItsNeighbours) {
    const Image panel = Load("res/score/panel.bmp");
    ASSERT_TRUE(panel);
    EXPECT_LE(panel->Width, 124);  // panels at x 355, 481 and 890
    EXPECT_LE(890 + panel->Width, 1024);
    std::map<std::vector<presentation::Pixel>, int> seen;
    for (int d = 0; d <= 9; ++d) {
        const Image digit = Load("res/score/" + std::to_string(d) + ".bmp");
        ASSERT_TRUE(digit);
        EXPECT_LE(digit->Width, 18) << d;  // the digit pitch
        EXPECT_LE(20 + 4 * 18 + digit->Width, panel->Width) << d << ": the fifth digit overhangs";
        EXPECT_LE(15 + digit->Height, panel->Height) << d;
        EXPECT_TRUE(seen.emplace(digit->Pixels, d).second) << d << " looks like another digit";
    }
}

TEST_F(Pictures, ExplosionBurstsFromFlame19AndFadesToFlame0) {
    std::vector<int> size(20);
    std::vector<double> brightness(20);
    for (int f = 0; f < 20; ++f) {
        const Image frame = Load("res/anim/flame" + std::to_string(f) + ".bmp");
        ASSERT_TRUE(frame);
        size[f] = OpaqueCount(*frame);
        double sum = 0;
        for (presentation::Pixel p : frame->Pixels)
            if ((p & 0xFFFFFF) != presentation::KeyColour)
                sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
        brightness[f] = size[f] ? sum / size[f] : 0;
    }
    int peak = 0;
    for (int f = 0; f < 20; ++f)
        if (size[f] > size[peak]) peak = f;
    EXPECT_GE(peak, 10) << "the fireball should be biggest early in the animation";
    EXPECT_LT(size[19], size[peak] / 2) << "the first picture is the flash, not the full blast";
    EXPECT_LT(size[0], size[peak] / 4) << "the last picture should have nearly faded";
    EXPECT_GT(brightness[17], brightness[3]) << "the blast should be brighter than its smoke";
}

}  // namespace
}  // namespace res_testing
