// One frame of game logic: the player's move from the frame's input, what the player's cell does
// (dig, collect, pick up, break, die, reach the open exit), then flames and the TNT fuse, leaks
// and the per-column fall passes, and a respawn when the button was pressed. Called once per
// frame by the shell's playing and dead screens and by the replay harness; returns what happened
// instead of playing or showing it.
#pragma once

#include "world/frame.h"
#include "world/game_state.h"
#include "world/level_file.h"

namespace world {

// One frame. A frame that brings the player onto the open exit stops there, with LevelFinished
// and the "finish" sound: the shell shows the level's code and, when the player goes on, calls
// EnterNextLevel to finish that frame in the next level.
FrameEvents GameStep(GameState& game, const FrameInput& input, const LevelFolder& levels);

// The rest of a frame that finished a level: the next level is loaded and the player put on its
// start, then the frame goes on there (the start cell's dangers, flames, the fuse, leaks, falls).
// An error when the next level's file cannot be read (or no number follows the last one).
FrameEvents EnterNextLevel(GameState& game, const LevelFolder& levels);

// The player's share of a frame: nothing while dead, else one step per key press.
void MovePlayer(GameState& game, const FrameInput& input, FrameEvents& events);

}  // namespace world
