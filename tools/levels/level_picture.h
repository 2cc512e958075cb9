// Whole-map pictures of levels for the level index: every cell drawn with the game's own tile
// picture, shrunk from 64 to 16 pixels by averaging 4 x 4 blocks, so a 64 x 64 map makes a
// 1024 x 1024 picture. The exits are drawn open, so they stand out in green beside the blue
// start stair. Game thread (it loads pictures through the screen services).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "world/level_map.h"

namespace levels {

inline constexpr std::int32_t PictureCellPixels = 16;
inline constexpr std::int32_t PictureSide = world::MapSize * PictureCellPixels;

struct LevelPicture {
    std::int32_t Width = PictureSide;
    std::int32_t Height = PictureSide;
    std::vector<std::uint32_t> Pixels;  // 0xRRGGBB, row by row from the top
};

// The shrunk look of every cell code, made once from res/map/ (read relative to the working
// folder). Needs an open screen (a memory screen will do) while it is built, not afterwards.
class LevelPainter {
  public:
    // Nothing, and a message, when a tile picture cannot be loaded.
    static std::optional<LevelPainter> Load(std::string* error = nullptr);

    LevelPicture Paint(const world::LevelMap& map) const;

  private:
    using Thumbnail = std::array<std::uint32_t, PictureCellPixels * PictureCellPixels>;
    std::array<Thumbnail, 256> looks_{};  // by cell code
};

}  // namespace levels
