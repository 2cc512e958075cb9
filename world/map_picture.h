// Maps as text pictures, one character per cell, row y as line y: how the replay tool prints the
// map a run ends with, how tests draw the small worlds they need, and how a level is written by
// hand and turned into a level file. Any thread; no state.
//
//   .  Earth        (blank) Empty   o  Stone        *  Crystal      ^  StairUp     v  StairDown
//   #  Massive      =  Block        p  Pickaxe      +  BCrystal     c  CrystalEarth
//   C  BCrystalEarth               x  DeadEarth    B  Barrel       t  Tnt
//   !  Leak         T  TntPlaced    ?  any other code (printing only)   @  the player (printing)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "world/level_map.h"

namespace world {

char CellSymbol(world::Cell cell);
std::optional<world::Cell> SymbolCell(char symbol);

// 64 lines of 64 characters; the player's cell, when given, shows "@".
std::string PictureOfMap(const world::LevelMap& map, std::int32_t playerX = -1,
                         std::int32_t playerY = -1);

// The same without the solid massive wall to the right of and below the level's cells, which
// most levels leave around a smaller cave (one wall cell is kept on each side).
std::string CroppedPictureOfMap(const world::LevelMap& map, std::int32_t playerX = -1,
                                std::int32_t playerY = -1);

// Reads a picture: line y, character x is cell (x, y); one leading line break is skipped, so a
// raw string literal may start on its own line. Cells the picture does not reach (short lines,
// missing lines) hold `fill`. Characters outside the legend ("@" included) and pictures larger
// than the map give nothing and a message naming the line.
std::optional<world::LevelMap> MapFromPicture(std::string_view picture, world::Cell fill,
                                              std::string* error = nullptr);

// The level file's text: 64 lines, line x holding column x from the top, numbers separated by
// commas.
std::string LevelFileText(const world::LevelMap& map);

}  // namespace world
