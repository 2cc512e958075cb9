// The live checks of the map being edited, in words for the player: what it holds and what stops
// it from being saved as a playable level. Any thread; no state.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/level_map.h"

namespace editor {

struct LevelReport {
    std::int32_t Needed = 0;   // crystals that open the exit (world::CountsAsNeeded)
    std::int32_t Bonus = 0;    // BCrystal and BCrystalEarth
    std::int32_t Starts = 0;   // StairUp
    std::int32_t Exits = 0;    // StairDown
    std::int32_t Unknown = 0;  // cells of no named kind (a level file may hold any byte)
    // One short sentence each (under 32 characters, the width of the panel), in a fixed order.
    std::vector<std::string> Problems;
    bool Playable() const { return Problems.empty(); }
};

LevelReport CheckLevel(const world::LevelMap& map);

}  // namespace editor
