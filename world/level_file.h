// Level files and the operations that put a level into a game state: reading the file into the
// map, finding the start stair, restarting, and the fatal report when a file cannot be opened.
// Game thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "world/game_state.h"

namespace world {

// "lvl\Level" + n + ".dat"; any 64-bit n (the level after the last 32-bit one included).
std::string LevelPath(std::int64_t levelNumber);

// Reads the first 4096 numbers of a level file into the map, column by column: a short file
// leaves Earth, extra numbers are ignored, every number keeps its low 8 bits. Nothing when the
// file cannot be opened or read.
std::optional<LevelMap> ReadLevelFile(std::string_view path);

// The same reading rules over text already in memory (tests, tools).
LevelMap ParseLevelText(std::string_view text);

// Reads the level file of LevelNumber into Map and recounts Needed; nothing else changes. A file
// that cannot be opened is reported (ReportError) and ends the program.
void LoadLevel(GameState& game);

// The fatal report of a level file that cannot be opened: "Could not open file 'lvl\LevelN.dat'"
// through ReportError, which ends the program.
void ReportMissingLevelFile(std::int64_t levelNumber);

// Puts the player on the level's start stair: the last StairUp in column-major order, or (1, 1).
void FindStart(GameState& game);

// LoadLevel and FindStart, then clears Dead, Collected, the pickaxe, the TNT charge, Dug and the
// flames. Timers, sound counters, the key latch and the pose carry over.
void RestartLevel(GameState& game);

}  // namespace world
