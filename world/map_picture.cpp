// Text pictures of maps; see map_picture.h.
#include "world/map_picture.h"

#include <algorithm>
#include <array>
#include <utility>

namespace world {

namespace {

using world::Cell;

constexpr std::array<std::pair<Cell, char>, 17> Legend{{
    {world::Earth, '.'},
    {world::Empty, ' '},
    {world::Stone, 'o'},
    {world::Crystal, '*'},
    {world::StairUp, '^'},
    {world::StairDown, 'v'},
    {world::Massive, '#'},
    {world::Block, '='},
    {world::Pickaxe, 'p'},
    {world::BCrystal, '+'},
    {world::CrystalEarth, 'c'},
    {world::BCrystalEarth, 'C'},
    {world::DeadEarth, 'x'},
    {world::Barrel, 'B'},
    {world::Tnt, 't'},
    {world::Leak, '!'},
    {world::TntPlaced, 'T'},
}};

std::nullopt_t Fail(std::string* error, std::string message) {
    if (error) *error = std::move(message);
    return std::nullopt;
}

}  // namespace

char CellSymbol(Cell cell) {
    for (const auto& [kind, symbol] : Legend)
        if (kind == cell) return symbol;
    return '?';
}

std::optional<Cell> SymbolCell(char symbol) {
    for (const auto& [kind, known] : Legend)
        if (known == symbol) return kind;
    return std::nullopt;
}

std::string PictureOfMap(const world::LevelMap& map, std::int32_t playerX, std::int32_t playerY) {
    std::string picture;
    picture.reserve(world::MapSize * (world::MapSize + 1));
    for (std::int32_t y = 0; y < world::MapSize; ++y) {
        for (std::int32_t x = 0; x < world::MapSize; ++x)
            picture += (x == playerX && y == playerY) ? '@' : CellSymbol(map.At(x, y));
        picture += '\n';
    }
    return picture;
}

std::string CroppedPictureOfMap(const world::LevelMap& map, std::int32_t playerX,
                                std::int32_t playerY) {
    std::int32_t width = 1, height = 1;
    for (std::int32_t x = 0; x < world::MapSize; ++x) {
        for (std::int32_t y = 0; y < world::MapSize; ++y) {
            if (map.At(x, y) == world::Massive) continue;
            width = std::max(width, std::min(x + 2, world::MapSize));
            height = std::max(height, std::min(y + 2, world::MapSize));
        }
    }
    std::string picture;
    const std::string full = PictureOfMap(map, playerX, playerY);
    for (std::int32_t y = 0; y < height; ++y) {
        picture.append(full, static_cast<std::size_t>(y) * (world::MapSize + 1), width);
        picture += '\n';
    }
    return picture;
}

std::optional<world::LevelMap> MapFromPicture(std::string_view picture, Cell fill,
                                              std::string* error) {
    if (!picture.empty() && picture.front() == '\n') picture.remove_prefix(1);
    world::LevelMap map;
    map.Cells.fill(fill);
    std::int32_t y = 0;
    while (!picture.empty()) {
        const std::size_t end = picture.find('\n');
        std::string_view line = picture.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string where = "picture line " + std::to_string(y + 1);
        if (y >= world::MapSize) return Fail(error, where + ": more than 64 lines");
        if (line.size() > world::MapSize) return Fail(error, where + ": more than 64 cells");
        for (std::size_t x = 0; x < line.size(); ++x) {
            const std::optional<Cell> cell = SymbolCell(line[x]);
            if (!cell) return Fail(error, where + ": unknown cell '" + line[x] + "'");
            map.At(static_cast<std::int32_t>(x), y) = *cell;
        }
        ++y;
        if (end == std::string_view::npos) break;
        picture.remove_prefix(end + 1);
    }
    return map;
}

std::string LevelFileText(const world::LevelMap& map) {
    std::string text;
    for (std::int32_t x = 0; x < world::MapSize; ++x) {
        for (std::int32_t y = 0; y < world::MapSize; ++y) {
            text += std::to_string(world::CodeOf(map.At(x, y)));
            text += y + 1 < world::MapSize ? "," : "\n";
        }
    }
    return text;
}

}  // namespace world
