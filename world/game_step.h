// One frame of game logic: the player's move from the held keys, what the player's cell does
// (dig, collect, pick up, break, die, finish with its level-complete dialog), then flames and
// the TNT fuse, leaks and the per-column fall passes. Called once per frame by the play loop on
// the game thread, before the scene is drawn.
#pragma once

#include "world/game_state.h"

namespace world {

void GameStep(GameState& game);

// The player's share of a frame: the respawn button while dead, else one step per key press.
void MovePlayer(::world::Player& player);

}  // namespace world
