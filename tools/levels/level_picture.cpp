// Level pictures; see level_picture.h.
#include "tools/levels/level_picture.h"

#include <algorithm>

#include "view/cell_thumbnails.h"

namespace levels {

std::optional<LevelPainter> LevelPainter::Load(std::string* error) {
    view::TileImageSet tiles;
    view::LoadTileImages(tiles);
    const view::CellThumbnails looks = view::ShrinkCellLooks(tiles, PictureCellPixels);
    if (looks[0].empty()) {
        if (error)
            *error = "cannot load the tile pictures of res/map/ (run from the repository root)";
        return std::nullopt;
    }
    LevelPainter painter;
    for (int code = 0; code < 256; ++code)
        std::copy(looks[code].begin(), looks[code].end(), painter.looks_[code].begin());
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
