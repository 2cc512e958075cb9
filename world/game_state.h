// The state of one game in progress: the map, the player, the score panels, the pictures, the
// per-column fall timers, the leak and TNT timers and the flame ring. One is built for play and
// one for the menu's backdrop; each lives on the game thread as long as the screen that shows it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gui/gui.h"
#include "presentation/sprite_sets.h"
#include "world/level_map.h"

namespace world {

struct Player {
    // Loads the sprites and builds the "respawn" button (hidden behind Dead until needed).
    explicit Player(LevelMap& map);

    std::int32_t X = 1;                   // map cell
    std::int32_t Y = 1;                   // map cell
    presentation::PlayerSprites Sprites;  // facings, dead notice and item icons
    std::int32_t StepTimer = 0;           // frames left of the step pose (5 after a step)
    std::int32_t Facing = 0;              // 0 down, 1 up, 2 right, 3 left
    std::int8_t KeyLatch = 0;             // a step was taken; waits for all keys released
    std::int8_t Dead = 0;                 // dead: the respawn button is shown
    std::int8_t HasPickaxe = 0;           // breaks blocks
    std::int8_t HasTnt = 0;               // carries one charge
    std::int8_t PushSoundNo = 0;          // variant 0..4 of the push sound
    LevelMap* Map;                        // the map the player moves in
    gui::GUI RespawnGui;                  // the "respawn" button at (416, 360)
};

struct GameState {
    // Everything InitGame sets up: an all-Earth map, the player at (1, 1) with its sprites and
    // button, the three panels, the flame ring and the 18 tile pictures. Loads no level.
    GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    LevelMap Map;
    ::world::Player Player;
    presentation::ScorePanel CollectedPanel;  // Value: crystals collected in this level
    presentation::ScorePanel DugPanel;        // Value: cells dug or broken in this level
    presentation::ScorePanel NeededPanel;     // Value: crystals that open the exit
    presentation::TileImageSet TileImages;
    std::array<std::int32_t, MapSize> ColumnTimers{};  // frames until each column's fall pass
    std::int32_t FallDelay = 25;                       // frames between a column's passes
    std::int32_t LeakTimer = 0;                        // frames since the last drip pass
    std::int32_t LeakDelay = 120;                      // a drip pass when LeakTimer exceeds it
    std::int32_t TntFuse = 0;                          // frames until the explosion; 0 = none
    std::int32_t TntFuseLength = 180;                  // frames
    std::int32_t LevelNumber = 0;                      // the level file's number
    std::int8_t BreakSoundNo = 0;                      // variant 0..4 of "breakstone"
    std::int8_t DigSoundNo = 0;                        // "dig"
    std::int8_t PickupSoundNo = 0;                     // "pickup"
    std::int8_t FallSoundNo = 0;                       // "rollstone" of a falling stone
    std::int8_t CrystalFallSoundNo = 0;                // "stonecoll"
    std::int8_t BarrelSoundNo = 0;                     // "fassroll"
    std::int8_t LeakSoundNo = 0;                       // "leak"
    presentation::Flames Flames;

    std::int32_t& Collected() { return CollectedPanel.Value; }
    std::int32_t& Dug() { return DugPanel.Value; }
    std::int32_t& Needed() { return NeededPanel.Value; }
};

// Builds a new game state (see GameState()).
std::unique_ptr<GameState> InitGame();

}  // namespace world
