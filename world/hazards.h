// The world's hazards besides falling stones: poisoned earth dripping leak drops, the TNT charge
// the player places with its fuse and explosion, and the explosion's flames. Called by GameStep:
// DripLeaks every frame; TickFlames and UpdateTnt only in frames that began with the player
// alive, so a dead player's fuse and flames stand still.
#pragma once

#include <cstdint>

#include "world/frame.h"
#include "world/game_state.h"

namespace world {

// Counts LeakTimer; when it has passed LeakDelay (in the 122nd frame, then every 121st) every
// DeadEarth cell over an empty cell drips a Leak drop into it, each with the "leak" sound.
void DripLeaks(GameState& game, FrameEvents& events);

// Places the carried charge while Space is held (only into an empty cell and while no fuse
// burns), then counts the fuse down; when it reaches 1, every TntPlaced cell of the map blows a
// 3 x 3 hole, in column-major order, killing a player inside one. The explosion is heard even
// with the sound effects off.
void UpdateTnt(GameState& game, bool placeHeld, FrameEvents& events);

// Starts the next slot of the ring on map cell (x, y), the player standing at (anchorX,
// anchorY), on its first frame; the ring wraps after 9, overwriting the oldest flame.
void StartFlame(Flames& flames, std::int32_t x, std::int32_t y, std::int32_t anchorX,
                std::int32_t anchorY);

// One frame of every flame: 19, 18, ... 0, then idle (-1).
void TickFlames(Flames& flames);

// Kills the player, with the "dead" sound (the shell plays it only while sound is on).
void Kill(GameState& game, DeathCause cause, FrameEvents& events);

}  // namespace world
