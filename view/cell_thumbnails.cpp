// Cell thumbnails; see cell_thumbnails.h.
#include "view/cell_thumbnails.h"

#include <algorithm>

#include "view/scene.h"

namespace view {

namespace {

namespace pr = presentation;

bool IsFullTile(const pr::Image& image) {
    return image && image->Width == CellPixels && image->Height == CellPixels;
}

// The cell at full size as the scene draws it.
pr::ImageBuffer Composite(const TileImageSet& tiles, CellLook look) {
    pr::ImageBuffer cell = *tiles[BackgroundImage];
    if (look.Image < 0) return cell;
    const std::vector<pr::Pixel>& picture = tiles[look.Image]->Pixels;
    for (std::size_t i = 0; i < picture.size(); ++i)
        if (look.Mode == pr::PutMode::Opaque || (picture[i] & 0xFFFFFF) != pr::KeyColour)
            cell.Pixels[i] = picture[i];
    return cell;
}

// How much of full pixel j small pixel i covers, in 1/side of a full pixel: small pixel i spans
// [i * CellPixels, (i + 1) * CellPixels) and full pixel j spans [j * side, (j + 1) * side).
std::int64_t Overlap(std::int32_t i, std::int32_t j, std::int32_t side) {
    const std::int64_t from = std::max<std::int64_t>(std::int64_t{i} * CellPixels, j * side);
    const std::int64_t to =
        std::min<std::int64_t>(std::int64_t{i + 1} * CellPixels, std::int64_t{j + 1} * side);
    return std::max<std::int64_t>(0, to - from);
}

// Exact area averages, rounded: with a side that divides a cell, each small pixel is the plain
// mean of its block.
std::vector<pr::Pixel> Shrink(const pr::ImageBuffer& cell, std::int32_t side) {
    std::vector<pr::Pixel> small(static_cast<std::size_t>(side) * side);
    const std::int64_t total = std::int64_t{CellPixels} * CellPixels;
    for (std::int32_t sy = 0; sy < side; ++sy) {
        for (std::int32_t sx = 0; sx < side; ++sx) {
            std::int64_t sums[3] = {};
            for (std::int32_t y = sy * CellPixels / side; y < CellPixels; ++y) {
                const std::int64_t wy = Overlap(sy, y, side);
                if (wy == 0) break;
                for (std::int32_t x = sx * CellPixels / side; x < CellPixels; ++x) {
                    const std::int64_t w = wy * Overlap(sx, x, side);
                    if (w == 0) break;
                    for (int c = 0; c < 3; ++c)
                        sums[c] += w * ((cell.Row(y)[x] >> (16 - 8 * c)) & 0xFF);
                }
            }
            pr::Pixel pixel = 0;
            for (int c = 0; c < 3; ++c)
                pixel |= static_cast<pr::Pixel>((sums[c] + total / 2) / total) << (16 - 8 * c);
            small[static_cast<std::size_t>(sy) * side + sx] = pixel;
        }
    }
    return small;
}

}  // namespace

CellThumbnails ShrinkCellLooks(const TileImageSet& tiles, std::int32_t side) {
    CellThumbnails looks;
    if (side < 1 || side > CellPixels) return looks;
    for (const pr::Image& tile : tiles)
        if (!IsFullTile(tile)) return looks;
    for (int code = 0; code < 256; ++code)
        looks[code] = Shrink(Composite(tiles, LookOfCell(world::CellOfCode(code), true)), side);
    return looks;
}

}  // namespace view
