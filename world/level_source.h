// Level sources: the text a level is designed in (a short header, then the map drawn one
// character per cell) and its translation to and from the map a level file holds. Any thread;
// no state.
//
//   # comments, only before "map:"
//   title: The First Dig
//   notes: One or two sentences for the level index (optional).
//   map:
//   #########
//   #^ .*. v#
//   #########
//
// The picture uses the legend of world/map_picture.h; line y is row y, character x is
// column x. Cells it does not reach are massive walls.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "world/level_map.h"

namespace world {

struct LevelSource {
    std::string Title;
    std::string Notes;  // empty when the source has none
    world::LevelMap Map;
};

// The source, or nothing and a message naming the line of the source it could not read
// ("line 9: unknown cell 'Q' in column 14").
std::optional<LevelSource> ParseLevelSource(std::string_view text, std::string* error = nullptr);

// A source that parses back to the same title, notes and map; the picture is cropped to the
// cave (the solid massive wall to the right and below is left out).
std::string WriteLevelSource(const LevelSource& source);

}  // namespace world
