// The world's hazards besides falling stones: poisoned earth dripping leak drops, the TNT charge
// the player places with its fuse and explosion, and the explosion's flame ring. Called by
// GameStep on the game thread: DripLeaks every frame; TickFlames and UpdateTnt only in frames
// that began with the player alive, so a dead player's fuse and flames stand still.
#pragma once

#include <cstdint>

#include "world/game_state.h"

namespace world {

// Counts LeakTimer; when it has passed LeakDelay (in the 122nd frame, then every 121st) every
// DeadEarth cell over an empty cell drips a Leak drop into it, each with the "leak" sound.
void DripLeaks(GameState& game);

// Places the carried charge on Space (only into an empty cell and while no fuse burns), then
// counts the fuse down; when it reaches 1, every TntPlaced cell of the map blows a 3 x 3 hole,
// in column-major order, killing a player inside one. The explosion is heard even with the
// sound effects off.
void UpdateTnt(GameState& game);

// Starts the next slot of the ring at view cell (vx, vy) on its last picture (19); the ring
// wraps after 9, overwriting the oldest flame.
void StartFlame(presentation::Flames& flames, std::int32_t vx, std::int32_t vy);

// One frame of every flame: 19, 18, ... 0, then idle (-1).
void TickFlames(presentation::Flames& flames);

}  // namespace world
