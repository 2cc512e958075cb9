// Drawing one frame of the play view of a game state: the tiled backdrop, the 16 x 12 map cells
// around the player, the running flames, the player (or the dead notice with the "respawn"
// button) and the three score panels. Called once per frame on the game thread by the play loop
// and by the main menu (its still backdrop), always between LockScreen and UnlockScreen; the
// callers draw their own widgets afterwards, on top.
#pragma once

#include <array>
#include <cstdint>

#include "presentation/sprite_sets.h"
#include "world/game_state.h"

namespace presentation {

inline constexpr std::int32_t CellPixels = 64;
inline constexpr std::int32_t ViewColumns = 16;  // 1024 pixels: the whole screen
inline constexpr std::int32_t ViewRows = 12;     // 768 pixels
inline constexpr std::int32_t PlayerViewColumn = 7;
inline constexpr std::int32_t PlayerViewRow = 5;
inline constexpr std::int32_t PanelDigitCount = 5;
inline constexpr std::int32_t PanelDigitPitch = 18;  // pixels between two digits

// How a cell code is drawn: which tile picture in which mode, or nothing (the backdrop shows).
struct CellLook {
    std::int8_t Image = -1;  // a TileImage, or -1 for nothing
    PutMode Mode = PutMode::Keyed;
};

// The look of any byte value a cell may hold. The earth kinds cover their cell; every other
// picture is keyed over the backdrop. The exit shows open once enough crystals are collected.
CellLook LookOfCell(world::Cell cell, bool exitOpen);

// The whole frame, redrawn from nothing; nothing of the previous frame is reused. Reads the game
// state only (the player's "respawn" GUI is drawn through its non-const Draw pass).
void DrawScene(world::GameState& game);

// The flame slots whose Countdown is 0 or more, each at the screen position it started at.
void DrawFlames(const Flames& flames);

// Dead: the dead notice and the "respawn" button, nothing else. Alive: the sprite of the step
// pose (facing down while standing) at the view's centre, then the carried-item icons.
void DrawPlayer(world::Player& player);

// The panel picture and its five digits: the last five of Value, padded with zeros.
void DrawScorePanel(const ScorePanel& panel);

// The five digits a panel shows for a value: 7 gives 0 0 0 0 7, 123456 gives 2 3 4 5 6, and a
// minus sign counts as a 0 (-5 gives 0 0 0 0 5).
std::array<int, PanelDigitCount> PanelDigits(std::int32_t value);

}  // namespace presentation
