// Drawing one frame of the play view of a game state: the tiled backdrop, the 16 x 12 map cells
// around the player, the running flames, the player (or the dead notice with the "respawn"
// button) and the three score panels. Called once per frame on the game thread by the playing
// and dead screens and by the main menu (its still backdrop), always between LockScreen and
// UnlockScreen; the callers draw their own widgets afterwards, on top. Reads the game state only.
#pragma once

#include <array>
#include <cstdint>

#include "view/play_view.h"
#include "world/game_state.h"

namespace view {

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

// The whole frame, redrawn from nothing; nothing of the previous frame is reused.
void DrawScene(const world::GameState& game, PlayView& view);

// Everything of a game state that DrawScene's picture depends on (the view's pictures aside): two
// states with equal keys draw the same pixels, so a frame whose key has not changed need not be
// drawn again.
struct SceneKey {
    std::array<world::Cell, ViewColumns * ViewRows> Cells{};  // the view's cells, walls beyond
    std::int32_t Pose = 0;  // the player's sprite, the dead notice, or the step pose's facing
    bool Pickaxe = false;
    bool Tnt = false;
    std::array<std::int32_t, 3> Counters{};                    // collected, dug, needed
    std::array<std::int64_t, 3 * world::FlameSlots> Flames{};  // picture and place of each

    bool operator==(const SceneKey&) const = default;
};
SceneKey SceneKeyOf(const world::GameState& game);

// Where a flame burns on the screen: its cell seen from where the player stood when it started,
// so a flame stays put on the screen while the player walks on.
struct PixelPosition {
    std::int64_t X = 0;
    std::int64_t Y = 0;
};
PixelPosition FlamePosition(const world::Flame& flame);

// The flame slots whose Countdown is 0 or more, each at the screen position it started at.
void DrawFlames(const world::Flames& flames, const FlamePictures& pictures);

// Dead: the dead notice and the "respawn" button, nothing else. Alive: the sprite of the step
// pose (facing down while standing) at the view's centre, then the carried-item icons.
void DrawPlayer(const world::Player& player, PlayView& view);

// The panel picture and its five digits: the last five of the value, padded with zeros.
void DrawScorePanel(const ScorePanel& panel, std::int32_t value);

// The five digits a panel shows for a value: 7 gives 0 0 0 0 7, 123456 gives 2 3 4 5 6, and a
// minus sign counts as a 0 (-5 gives 0 0 0 0 5).
std::array<int, PanelDigitCount> PanelDigits(std::int32_t value);

}  // namespace view
