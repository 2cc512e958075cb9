// The 64 x 64 map of a level, stored column by column (cell (x, y) at x * 64 + y) so that one
// column is 64 consecutive cells, which is what the fall pass works on.
#pragma once

#include <array>
#include <cstdint>

#include "world/tile_kind.h"

namespace world {

inline constexpr int MapSize = 64;

struct LevelMap {
    std::array<Cell, MapSize * MapSize> Cells{};  // all Earth (0) to begin with

    static constexpr bool Inside(std::int32_t x, std::int32_t y) {
        return x >= 0 && y >= 0 && x < MapSize && y < MapSize;
    }
    Cell& At(std::int32_t x, std::int32_t y) { return Cells[x * MapSize + y]; }
    Cell At(std::int32_t x, std::int32_t y) const { return Cells[x * MapSize + y]; }
    Cell* Column(std::int32_t x) { return Cells.data() + x * MapSize; }
};

}  // namespace world
