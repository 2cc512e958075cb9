// Level codes: the 50 fixed six-letter codes shown after each finished level, and the lookup that
// turns what the player typed into the main menu's code field into a level number. Game thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

inline constexpr std::int32_t LevelCodeCount = 50;

struct LevelCodeTable {
    LevelCodeTable();  // fills in the fixed codes

    // The code of level n (1..50); an empty text for any other n (after level 50 there is none).
    std::string_view Code(std::int32_t level) const;

    std::array<std::string, LevelCodeCount> Codes;  // Codes[n - 1] is the code of level n
};

// A code equal to entry n (exactly, case included) gives n. Otherwise the text is read as a number
// (world::ReadNumber): a value of 50 or more gives that value rounded (halves to even), unless it
// does not fit into 32 bits (9e99, "&HFFFFFFFFFF"), which starts level 1 like every other text.
std::int32_t LookUpLevelCode(const LevelCodeTable& table, std::string_view text);

}  // namespace app
