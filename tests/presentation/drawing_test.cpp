// Drawing onto the memory screen and into images: blit modes, clipping, lines, boxes, circles,
// text cells, text output and frame locking.
#include <gtest/gtest.h>

#include <climits>

#include "presentation/raster.h"
#include "presentation/screen_testing.h"

namespace presentation {
namespace {

using testing::ScreenPixel;

class DrawingTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::OpenMemoryScreen(64, 48); }
    void TearDown() override { CloseScreen(); }

    // Number of screen pixels of the colour, and their bounding box.
    struct Extent {
        int Count = 0, Left = INT_MAX, Top = INT_MAX, Right = -1, Bottom = -1;
    };
    static Extent Find(Pixel colour) {
        Extent e;
        for (int y = 0; y < ScreenHeight(); ++y)
            for (int x = 0; x < ScreenWidth(); ++x)
                if (ScreenPixel(x, y) == colour) {
                    ++e.Count;
                    e.Left = std::min(e.Left, x), e.Right = std::max(e.Right, x);
                    e.Top = std::min(e.Top, y), e.Bottom = std::max(e.Bottom, y);
                }
        return e;
    }
};

TEST_F(DrawingTest, KeyedBlitSkipsOnlyTheKeyColourWhateverItsTopByte) {
    Image image = CreateImage(4, 1);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->Row(0)[0], KeyColour);  // no fill given: wholly transparent
    image->Row(0)[0] = 0x00FF00FF;
    image->Row(0)[1] = 0xFFFF00FF;
    image->Row(0)[2] = 0x00FE00FF;
    image->Row(0)[3] = 0x12345678;
    DrawLine(Screen, 0, 0, 63, 47, 0xAAAAAA, LineKind::FilledBox);
    PutImage(10, 5, image, PutMode::Keyed);
    EXPECT_EQ(ScreenPixel(10, 5), 0xAAAAAAu);
    EXPECT_EQ(ScreenPixel(11, 5), 0xAAAAAAu);
    EXPECT_EQ(ScreenPixel(12, 5), 0x00FE00FFu);
    EXPECT_EQ(ScreenPixel(13, 5), 0x12345678u);
    PutImage(10, 6, image, PutMode::Opaque);
    EXPECT_EQ(ScreenPixel(10, 6), 0x00FF00FFu);
    EXPECT_EQ(ScreenPixel(11, 6), 0xFFFF00FFu);
}

TEST_F(DrawingTest, BlitsClipAtEveryEdgeAndIgnoreNullImages) {
    Image image = CreateImage(8, 8, 0x112233);
    for (auto [x, y] : {std::pair{-4, -4}, {60, 44}, {-7, 20}, {30, -7}})
        PutImage(x, y, image, PutMode::Opaque);
    EXPECT_EQ(Find(0x112233).Count, 16 + 16 + 8 + 8);
    EXPECT_EQ(ScreenPixel(0, 0), 0x112233u);
    EXPECT_EQ(ScreenPixel(63, 47), 0x112233u);
    PutImage(INT_MIN, INT_MAX, image, PutMode::Keyed);  // far outside: nothing, no overflow

    Image none = CreateImage(0, 10);
    EXPECT_EQ(none, nullptr);
    const int before = testing::ShownFrames();
    PutImage(5, 5, none, PutMode::Opaque);
    DrawLine(none, 0, 0, 5, 5, 0xFFFFFF, LineKind::Segment);
    EXPECT_EQ(testing::ShownFrames(), before);
}

TEST_F(DrawingTest, TextPaintsOnlyGlyphPixelsInsideItsCells) {
    DrawText(Screen, 10, 20, "AB", 0xFFFFFF);
    const Extent e = Find(0xFFFFFF);
    EXPECT_GT(e.Count, 20);
    EXPECT_GE(e.Left, 10);
    EXPECT_LE(e.Right, 25);
    EXPECT_GE(e.Top, 20);
    EXPECT_LE(e.Bottom, 27);
    EXPECT_GT(e.Right, 17);                   // the second glyph is drawn in the second cell
    DrawText(Screen, 60, 44, "W", 0x00FF00);  // clipped at the corner
    DrawText(Screen, INT_MAX - 4, INT_MIN, std::string(100, 'x'), 0x00FF00);
    EXPECT_LE(Find(0x00FF00).Right, 63);
}

TEST_F(DrawingTest, LinesIncludeBothEndsAndClipWithoutChangingTheirPath) {
    DrawLine(Screen, 2, 3, 12, 8, 0xFF0000, LineKind::Segment);
    EXPECT_EQ(ScreenPixel(2, 3), 0xFF0000u);
    EXPECT_EQ(ScreenPixel(12, 8), 0xFF0000u);
    EXPECT_EQ(Find(0xFF0000).Count, 11);  // one pixel per column of an x-major line

    // A line reaching far outside draws the same visible pixels as its on-screen part.
    DrawLine(Screen, -1000000, 10, 1000000, 10, 0x00FF00, LineKind::Segment);
    EXPECT_EQ(Find(0x00FF00).Count, 64);
    DrawLine(Screen, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x0000FF, LineKind::Segment);
    EXPECT_EQ(ScreenPixel(20, 20), 0x0000FFu);
}

TEST_F(DrawingTest, BoxesTakeTheirCornersInEitherOrder) {
    DrawLine(Screen, 20, 15, 10, 5, 0xFFFFFF, LineKind::Box);
    Extent e = Find(0xFFFFFF);
    EXPECT_EQ(e.Count, 2 * 11 + 2 * 9);
    EXPECT_EQ(e.Left, 10);
    EXPECT_EQ(e.Right, 20);
    EXPECT_EQ(e.Top, 5);
    EXPECT_EQ(e.Bottom, 15);
    EXPECT_NE(ScreenPixel(15, 10), 0xFFFFFFu);  // hollow
    DrawLine(Screen, 30, 40, 33, 38, 0x123456, LineKind::FilledBox);
    EXPECT_EQ(Find(0x123456).Count, 4 * 3);
    DrawLine(Screen, -5, -5, 1000, 1000, 0x654321, LineKind::FilledBox);
    EXPECT_EQ(Find(0x654321).Count, 64 * 48);
}

TEST_F(DrawingTest, CirclesAreSymmetricDiscsAndOutlines) {
    DrawCircle(Screen, 20, 20, 5, 0xFFFFFF, true);
    Extent disc = Find(0xFFFFFF);
    EXPECT_EQ(disc.Left, 15);
    EXPECT_EQ(disc.Right, 25);
    EXPECT_EQ(disc.Top, 15);
    EXPECT_EQ(disc.Bottom, 25);
    EXPECT_EQ(ScreenPixel(20, 20), 0xFFFFFFu);
    EXPECT_NE(ScreenPixel(15, 15), 0xFFFFFFu);  // corners are not part of a disc

    DrawCircle(Screen, 45, 20, 5, 0x00FF00, false);
    const Extent ring = Find(0x00FF00);
    EXPECT_EQ(ring.Left, 40);
    EXPECT_EQ(ring.Right, 50);
    EXPECT_EQ(ring.Top, 15);
    EXPECT_EQ(ring.Bottom, 25);
    EXPECT_NE(ScreenPixel(45, 20), 0x00FF00u);
    EXPECT_LT(ring.Count, disc.Count);

    DrawCircle(Screen, 10, 40, 0, 0x0000FF, true);
    DrawCircle(Screen, 10, 40, -3, 0x0000FF, true);
    EXPECT_EQ(Find(0x0000FF).Count, 0);
    DrawCircle(Screen, 32, 24, INT_MAX, 0x0000FF, true);  // huge: fills the screen, quickly
    EXPECT_EQ(Find(0x0000FF).Count, 64 * 48);
}

TEST_F(DrawingTest, DrawingIntoImagesLeavesTheScreenAlone) {
    Image image = CreateImage(15, 15, 0xFFFFFF);
    DrawLine(image, 1, 1, 13, 13, 0x000000, LineKind::Segment);
    DrawText(image, 0, 0, "A", 0x000001);
    DrawCircle(image, 7, 7, 3, 0x000002, true);
    EXPECT_EQ(image->Row(13)[13], 0x000000u);
    EXPECT_EQ(image->Row(7)[7], 0x000002u);
    EXPECT_EQ(Find(0x000001).Count + Find(0x000002).Count, 0);
}

TEST_F(DrawingTest, LockedFramesAreShownOnceWhenTheLastLockIsReleased) {
    const int before = testing::ShownFrames();
    LockScreen();
    LockScreen();
    DrawLine(Screen, 0, 0, 5, 5, 0xFFFFFF, LineKind::FilledBox);
    PutImage(0, 0, CreateImage(2, 2, 1), PutMode::Opaque);
    UnlockScreen(-1, -1);
    EXPECT_EQ(testing::ShownFrames(), before);
    UnlockScreen(-1, -1);
    EXPECT_EQ(testing::ShownFrames(), before + 1);
    DrawText(Screen, 0, 0, "A", 0xFFFFFF);  // on its own, an operation is its own frame
    EXPECT_EQ(testing::ShownFrames(), before + 2);
}

TEST_F(DrawingTest, ClearAndPrintUseTheTextColoursAndCursor) {
    SetColours(0xFFFFFF, 0xAAAAAA);
    ClearScreen();
    EXPECT_EQ(Find(0xAAAAAA).Count, 64 * 48);
    PrintText("A");
    PrintText("B\nC");
    // Each text starts a new 8-pixel line; the text background paints its cells.
    EXPECT_GT(Find(0xFFFFFF).Count, 0);
    EXPECT_EQ(Find(0xFFFFFF).Top, 0);
    EXPECT_LE(Find(0xFFFFFF).Bottom, 23);
    EXPECT_GE(Find(0xFFFFFF).Bottom, 16);
    PrintText(std::string(20, 'x'));  // wraps at the right edge (8 cells wide here)
    EXPECT_GE(Find(0xFFFFFF).Bottom, 40);
}

}  // namespace
}  // namespace presentation

namespace presentation {
namespace {

// Both keyed blitters agree pixel for pixel on any width, including the tail past the last whole
// group of eight, and never write outside the rectangle they are given.
TEST(KeyedBlitters, PortableAndAvx2AgreeOnEveryWidth) {
    if (!__builtin_cpu_supports("avx2")) GTEST_SKIP() << "no AVX2 here";
    std::uint32_t seed = 12345;
    auto next = [&] { return seed = seed * 1664525u + 1013904223u; };
    for (int width = 1; width <= 37; ++width) {
        std::vector<Pixel> src(width * 3), a(64 * 3, 0xABCDEF), b;
        for (Pixel& p : src) p = (next() % 3 == 0) ? (KeyColour | (next() & 0xFF000000)) : next();
        b = a;
        raster::KeyedRectPortable(a.data() + 5, 64, src.data(), width, width, 3);
        raster::KeyedRectAvx2(b.data() + 5, 64, src.data(), width, width, 3);
        EXPECT_EQ(a, b) << width;
        EXPECT_EQ(a[4], 0xABCDEFu);
        EXPECT_EQ(a[5 + width], 0xABCDEFu);
    }
}

}  // namespace
}  // namespace presentation
