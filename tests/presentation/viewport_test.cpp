// The frame's place in a window of any size, the mouse mapped back into the frame, and the
// nearest-neighbour copy with its bars, checked against one another at many window sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "presentation/viewport.h"

namespace presentation::detail {
namespace {

constexpr std::int32_t FrameW = 1024;
constexpr std::int32_t FrameH = 768;

TEST(FitFrameTest, UsesTheLargestWholeFactorThatFitsCentredWithBars) {
    EXPECT_EQ(FitFrame(FrameW, FrameH, 1024, 768), (ViewRect{0, 0, 1024, 768}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 2048, 1536), (ViewRect{0, 0, 2048, 1536}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 1100, 900), (ViewRect{38, 66, 1024, 768}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 1920, 1080), (ViewRect{448, 156, 1024, 768}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 3840, 2160), (ViewRect{896, 312, 2048, 1536}));
}

TEST(FitFrameTest, ASmallerWindowKeepsTheAspectBelowOneAndNothingIsLeftForNoRoom) {
    EXPECT_EQ(FitFrame(FrameW, FrameH, 800, 500), (ViewRect{67, 0, 666, 500}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 512, 700), (ViewRect{0, 158, 512, 384}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 1, 1), (ViewRect{0, 0, 1, 1}));
    EXPECT_EQ(FitFrame(FrameW, FrameH, 0, 768), ViewRect{});
    EXPECT_EQ(FitFrame(FrameW, FrameH, 1024, -3), ViewRect{});
}

// A frame whose every pixel names its own place, so a copied pixel tells where it came from.
ImageBuffer NamedFrame(std::int32_t w, std::int32_t h) {
    ImageBuffer frame(w, h, 0);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) frame.Row(y)[x] = 0x01000000u | (y << 12) | x;
    return frame;
}

// At each window size, every window pixel shows exactly the frame pixel the mouse mapping gives
// for it, or black on a bar where the mapping says "outside".
void ExpectPictureAndMouseAgree(const ImageBuffer& frame, std::int32_t windowW,
                                std::int32_t windowH) {
    SCOPED_TRACE(::testing::Message() << windowW << " x " << windowH);
    const ViewRect view = FitFrame(frame.Width, frame.Height, windowW, windowH);
    std::vector<Pixel> pixels(static_cast<std::size_t>(windowW) * windowH, 0xDEADBEEF);
    const PixelTarget target{pixels.data(), windowW, windowH, windowW};
    FrameScaler scaler;
    FrameScaler::FillBars(view, target);
    scaler.Scale(frame, view, target, 0, frame.Height - 1);
    int mismatches = 0;
    for (std::int32_t y = 0; y < windowH; ++y)
        for (std::int32_t x = 0; x < windowW; ++x) {
            std::int32_t fx = 0, fy = 0;
            const bool inside = WindowToFrame(view, frame.Width, frame.Height, x, y, fx, fy);
            const Pixel expected = inside ? frame.Row(fy)[fx] : 0;
            mismatches += pixels[static_cast<std::size_t>(y) * windowW + x] != expected;
        }
    EXPECT_EQ(mismatches, 0);
}

TEST(FrameScalerTest, EveryWindowPixelShowsWhatTheMouseMapsItToAtOddSizes) {
    const ImageBuffer small = NamedFrame(40, 30);
    for (auto [w, h] : {std::pair{40, 30},
                        {80, 60},
                        {120, 90},
                        {41, 31},
                        {97, 45},
                        {45, 97},
                        {39, 29},
                        {13, 7},
                        {1, 1},
                        {200, 61},
                        {123, 92}})
        ExpectPictureAndMouseAgree(small, w, h);
}

TEST(FrameScalerTest, TheGameFrameAtFullHdAndAtTwiceItsSize) {
    const ImageBuffer frame = NamedFrame(FrameW, FrameH);
    ExpectPictureAndMouseAgree(frame, 1920, 1080);
    ExpectPictureAndMouseAgree(frame, 2048, 1536);
    ExpectPictureAndMouseAgree(frame, 1023, 767);
}

TEST(WindowToFrameTest, BarsMapOutsideOnTheirOwnSide) {
    const ViewRect view = FitFrame(FrameW, FrameH, 1100, 900);  // picture at (38, 66)
    std::int32_t fx = 0, fy = 0;
    EXPECT_FALSE(WindowToFrame(view, FrameW, FrameH, 37, 100, fx, fy));
    EXPECT_LT(fx, 0);
    EXPECT_TRUE(WindowToFrame(view, FrameW, FrameH, 38, 66, fx, fy));
    EXPECT_EQ(fx, 0);
    EXPECT_EQ(fy, 0);
    EXPECT_FALSE(WindowToFrame(view, FrameW, FrameH, 38 + 1024, 66 + 767, fx, fy));
    EXPECT_EQ(fx, 1024);
    EXPECT_FALSE(WindowToFrame(ViewRect{}, FrameW, FrameH, 0, 0, fx, fy));
}

TEST(FrameScalerTest, ChangedRowsTouchOnlyTheWindowRowsThatShowThem) {
    const ImageBuffer frame = NamedFrame(40, 30);
    for (auto [w, h] : {std::pair{40, 30}, {80, 60}, {70, 52}, {30, 22}}) {
        SCOPED_TRACE(::testing::Message() << w << " x " << h);
        const ViewRect view = FitFrame(40, 30, w, h);
        std::vector<Pixel> pixels(static_cast<std::size_t>(w) * h, 0xDEADBEEF);
        FrameScaler scaler;
        scaler.Scale(frame, view, PixelTarget{pixels.data(), w, h, w}, 10, 12);
        const RowSpan span = WindowRows(view, 30, 10, 12);
        for (std::int32_t y = 0; y < h; ++y) {
            const Pixel* row = pixels.data() + static_cast<std::size_t>(y) * w + view.X;
            const bool written = y >= span.First && y < span.First + span.Count;
            const auto shown = (row[0] >> 12) & 0xFFF;
            if (written) {
                EXPECT_TRUE(shown >= 10 && shown <= 12) << "row " << y;
            } else {
                EXPECT_EQ(row[0], 0xDEADBEEF) << "row " << y;
            }
        }
    }
}

TEST(ShownFrameTest, OnlyTheSpanOfRowsThatDifferFromWhatWasShownIsSentAgain) {
    ImageBuffer frame = NamedFrame(16, 12);
    ShownFrame shown;
    std::int32_t first = 3, last = 5;
    EXPECT_TRUE(shown.TakeChanged(frame, first, last));  // nothing shown yet: taken as asked
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 5);
    first = 0, last = 11;
    EXPECT_TRUE(shown.TakeChanged(frame, first, last));  // still unknown outside 3..5
    first = -4, last = 40;
    EXPECT_FALSE(shown.TakeChanged(frame, first, last));  // the same frame again
    frame.Row(4)[7] ^= 1;
    frame.Row(9)[0] ^= 1;
    first = 0, last = 11;
    EXPECT_TRUE(shown.TakeChanged(frame, first, last));
    EXPECT_EQ(first, 4);
    EXPECT_EQ(last, 9);
    first = 0, last = 11;
    EXPECT_FALSE(shown.TakeChanged(frame, first, last));  // the change was taken in
    shown.Forget();                                       // a repaint: everything goes again
    first = 0, last = 11;
    EXPECT_TRUE(shown.TakeChanged(frame, first, last));
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 11);
}

}  // namespace
}  // namespace presentation::detail
