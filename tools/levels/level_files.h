// The files the level tool works on: reading and writing whole text files, and finding the
// numbered files of a folder (levels/LevelN.txt, lvl/LevelN.dat, levels/solutions/LevelN.txt).
// Any thread.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "world/level_map.h"

namespace levels {

inline constexpr std::int32_t LastLevel = 50;      // the campaign; each has a level code
inline constexpr std::int32_t EpilogueLevel = 51;  // played after the last one, no code

std::optional<std::string> ReadTextFile(const std::filesystem::path& path);
// False when the file cannot be written.
bool WriteTextFile(const std::filesystem::path& path, std::string_view text);

// Every "Level<N><extension>" in the folder (N from 1, no leading zeros) by N; other files are
// left out, and a missing folder has none.
std::map<std::int32_t, std::filesystem::path> NumberedLevelFiles(
    const std::filesystem::path& folder, std::string_view extension);

std::int32_t CountCells(const world::LevelMap& map, world::Cell kind);

}  // namespace levels
