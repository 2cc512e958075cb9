// Level pictures; see level_picture.h.
#include "tools/levels/level_picture.h"

#include <algorithm>

#include "view/scene.h"
#include "view/sprite_sets.h"

namespace levels {

namespace {

namespace pr = presentation;
namespace vw = view;

constexpr std::int32_t TilePixels = vw::CellPixels;
constexpr std::int32_t Shrink = TilePixels / PictureCellPixels;

bool IsFullTile(const pr::Image& image) {
    return image && image->Width == TilePixels && image->Height == TilePixels;
}

// The cell at full size as the scene draws it: the backdrop, then the cell's picture over it.
pr::ImageBuffer Composite(const vw::TileImageSet& tiles, vw::CellLook look) {
    pr::ImageBuffer cell = *tiles[vw::BackgroundImage];
    if (look.Image < 0) return cell;
    const std::vector<pr::Pixel>& picture = tiles[look.Image]->Pixels;
    for (std::size_t i = 0; i < picture.size(); ++i)
        if (look.Mode == pr::PutMode::Opaque || (picture[i] & 0xFFFFFF) != pr::KeyColour)
            cell.Pixels[i] = picture[i];
    return cell;
}

std::uint32_t AverageBlock(const pr::ImageBuffer& cell, std::int32_t left, std::int32_t top) {
    std::uint32_t sums[3] = {};
    for (std::int32_t y = top; y < top + Shrink; ++y)
        for (std::int32_t x = left; x < left + Shrink; ++x)
            for (int c = 0; c < 3; ++c) sums[c] += (cell.Row(y)[x] >> (16 - 8 * c)) & 0xFF;
    constexpr std::uint32_t Count = Shrink * Shrink;
    std::uint32_t pixel = 0;
    for (int c = 0; c < 3; ++c) pixel |= ((sums[c] + Count / 2) / Count) << (16 - 8 * c);
    return pixel;
}

}  // namespace

std::optional<LevelPainter> LevelPainter::Load(std::string* error) {
    vw::TileImageSet tiles;
    vw::LoadTileImages(tiles);
    for (int i = 0; i < vw::TileImageCount; ++i) {
        if (IsFullTile(tiles[i])) continue;
        if (error)
            *error = "cannot load the tile pictures of res/map/ (run from the repository root)";
        return std::nullopt;
    }
    LevelPainter painter;
    for (int code = 0; code < 256; ++code) {
        const vw::CellLook look = vw::LookOfCell(world::CellOfCode(code), true);
        const pr::ImageBuffer cell = Composite(tiles, look);
        Thumbnail& thumbnail = painter.looks_[code];
        for (std::int32_t y = 0; y < PictureCellPixels; ++y)
            for (std::int32_t x = 0; x < PictureCellPixels; ++x)
                thumbnail[y * PictureCellPixels + x] = AverageBlock(cell, x * Shrink, y * Shrink);
    }
    return painter;
}

LevelPicture LevelPainter::Paint(const world::LevelMap& map) const {
    LevelPicture picture;
    picture.Pixels.resize(static_cast<std::size_t>(PictureSide) * PictureSide);
    for (std::int32_t mx = 0; mx < world::MapSize; ++mx) {
        for (std::int32_t my = 0; my < world::MapSize; ++my) {
            const Thumbnail& look = looks_[static_cast<std::uint8_t>(map.At(mx, my))];
            for (std::int32_t y = 0; y < PictureCellPixels; ++y) {
                const std::size_t row = static_cast<std::size_t>(my * PictureCellPixels + y);
                std::copy_n(look.begin() + y * PictureCellPixels, PictureCellPixels,
                            picture.Pixels.begin() + row * PictureSide + mx * PictureCellPixels);
            }
        }
    }
    return picture;
}

}  // namespace levels
