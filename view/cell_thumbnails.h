// Small pictures of map cells for whole-map views (the level editor, level pictures): each cell
// code drawn as the scene draws it (the backdrop, then the cell's picture over it) and shrunk by
// averaging the area every small pixel covers. Exits are drawn open, so they stand out in green
// beside the blue start stair. Any thread; reads the pictures it is given.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "view/sprite_sets.h"

namespace view {

// side x side pixels (0xRRGGBB, row by row) for every cell code; empty when a picture is missing or
// is not a whole cell, or the side is not between 1 and a whole cell.
using CellThumbnails = std::array<std::vector<presentation::Pixel>, 256>;
CellThumbnails ShrinkCellLooks(const TileImageSet& tiles, std::int32_t side);

}  // namespace view
