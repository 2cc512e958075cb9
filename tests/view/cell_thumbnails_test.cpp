// Cell thumbnails: area averaging keeps every colour where it was at any size, and refuses sizes
// and picture sets it cannot shrink honestly.
#include <gtest/gtest.h>

#include <memory>

#include "view/cell_thumbnails.h"
#include "view/scene.h"

namespace view {
namespace {

namespace pr = presentation;

constexpr pr::Pixel Red = 0xFF0000, Blue = 0x0000FF, Grey = 0x808080;

// Every picture opaque: the left half red and the right half blue, the backdrop grey.
TileImageSet HalfAndHalfTiles() {
    TileImageSet tiles;
    for (pr::Image& tile : tiles) {
        tile = std::make_unique<pr::ImageBuffer>(CellPixels, CellPixels, Blue);
        for (std::int32_t y = 0; y < CellPixels; ++y)
            for (std::int32_t x = 0; x < CellPixels / 2; ++x) tile->Row(y)[x] = Red;
    }
    tiles[BackgroundImage] = std::make_unique<pr::ImageBuffer>(CellPixels, CellPixels, Grey);
    return tiles;
}

TEST(CellThumbnails, EverySmallPixelIsTheAverageOfTheAreaItCovers) {
    const TileImageSet tiles = HalfAndHalfTiles();
    const int earth = world::CodeOf(world::Earth);  // drawn opaque: its own picture only
    for (std::int32_t side : {1, 3, 12, 16, 64}) {
        const CellThumbnails looks = ShrinkCellLooks(tiles, side);
        const std::vector<pr::Pixel>& cell = looks[earth];
        ASSERT_EQ(cell.size(), static_cast<std::size_t>(side * side)) << side;
        for (std::int32_t x = 0; x < side; ++x) {
            // A column straddling the middle mixes the two by how much of it lies on each side.
            const std::int64_t redUnits =
                std::clamp<std::int64_t>(CellPixels / 2 * side - x * CellPixels, 0, CellPixels);
            auto mean = [](std::int64_t units) {
                return static_cast<pr::Pixel>((255 * units + CellPixels / 2) / CellPixels);
            };
            const pr::Pixel expected = mean(redUnits) << 16 | mean(CellPixels - redUnits);
            for (std::int32_t y = 0; y < side; ++y)
                EXPECT_EQ(cell[y * side + x], expected) << side << " " << x << "," << y;
        }
    }
    // A code drawn as nothing shows the backdrop alone.
    EXPECT_EQ(ShrinkCellLooks(tiles, 12)[world::CodeOf(world::Empty)][0], Grey);
}

TEST(CellThumbnails, NothingWhenTheSizeOrAPictureIsWrong) {
    TileImageSet tiles = HalfAndHalfTiles();
    EXPECT_TRUE(ShrinkCellLooks(tiles, 0)[0].empty());
    EXPECT_TRUE(ShrinkCellLooks(tiles, CellPixels + 1)[0].empty());
    tiles[StoneImage] = std::make_unique<pr::ImageBuffer>(32, 32, Red);
    EXPECT_TRUE(ShrinkCellLooks(tiles, 12)[0].empty());
    tiles[StoneImage].reset();
    EXPECT_TRUE(ShrinkCellLooks(tiles, 12)[0].empty());
}

}  // namespace
}  // namespace view
