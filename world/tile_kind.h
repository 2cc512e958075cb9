// What a map cell can hold, and the small rules every part of the world asks about a cell.
// A cell is one signed byte; any byte may appear (a level file may hold any value) and is stored
// unchanged, so a cell holds a TileKind that may be none of the named ones.
#pragma once

#include <cstdint>

namespace world {

enum class TileKind : std::int8_t {
    Earth = 0,
    Empty = 1,
    Stone = 2,
    Crystal = 3,
    StairUp = 4,
    StairDown = 5,
    Massive = 6,
    Block = 7,
    Pickaxe = 8,
    BCrystal = 9,
    CrystalEarth = 10,
    BCrystalEarth = 11,
    DeadEarth = 12,
    Barrel = 13,
    Tnt = 14,
    Leak = 50,
    TntPlaced = 51,
};
using enum TileKind;

using Cell = TileKind;

// The cell's byte as a number (a level file's value, an index into a table of 256).
constexpr int CodeOf(Cell c) {
    return static_cast<std::int8_t>(c);
}
constexpr Cell CellOfCode(int code) {
    return static_cast<Cell>(static_cast<std::int8_t>(code));
}

// Earth of any kind: it stops falling objects without making them roll.
constexpr bool IsEarthLike(Cell c) {
    return c == Earth || c == CrystalEarth || c == BCrystalEarth || c == DeadEarth;
}
// Everything that is neither empty nor earth makes an object resting on it roll off.
constexpr bool IsHard(Cell c) {
    return c != Empty && !IsEarthLike(c);
}
// The crystals that count towards opening the exit.
constexpr bool CountsAsNeeded(Cell c) {
    return c == Crystal || c == CrystalEarth;
}

}  // namespace world
