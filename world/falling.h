// Falling and rolling objects: stones, crystals, barrels and leak drops move column by column,
// each column once per turn of its fall timer, and ProtectColumns gives the player a grace
// period after emptying a cell. Called by GameStep on the game thread; the only state is the map
// and the per-column timers of the game state.
#pragma once

#include <cstdint>

#include "world/frame.h"
#include "world/game_state.h"

namespace world {

// One turn of column x (0..63): first the resting objects roll off hard cells (stones, then
// crystals, bonus crystals, barrels), then every object over an empty cell falls one cell. The
// fall reads the column as it was before it, so each object moves at most once per turn and a
// stack opens into objects one cell apart. Sounds "rollstone", "stonecoll" or "fassroll" per fall.
void UpdateColumn(GameState& game, std::int32_t x, FrameEvents& events);

// Rolls the objects of one kind in column x off hard cells, bottom to top, working on the map in
// place: to the free side, or by a coin from the random sequence when both sides are free.
void RollSideways(GameState& game, std::int32_t x, Cell kind);

// Called right after the player's cell was emptied: a stone or barrel above or beside the player
// gets its column's next turn put a whole FallDelay away, so it cannot drop on the player at once.
void ProtectColumns(GameState& game);

}  // namespace world
