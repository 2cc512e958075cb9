// The state of one game in progress, and nothing else: the map, the player, the counters, the
// per-column fall timers, the leak and TNT timers, the flames, the sound variant counters and
// the random sequence. Pictures, panels and buttons belong to the view that draws it. Plain data:
// copied, compared and stepped on any one thread at a time.
#pragma once

#include <array>
#include <cstdint>

#include "world/level_map.h"
#include "world/random.h"

namespace world {

// The way the player last stepped; the view picks the sprite from it.
enum class Facing : std::int32_t { Down = 0, Up = 1, Right = 2, Left = 3 };

struct Player {
    std::int32_t X = 1;          // map cell
    std::int32_t Y = 1;          // map cell
    std::int32_t StepTimer = 0;  // frames left of the step pose (5 after a step)
    world::Facing Facing = Facing::Down;
    bool KeyLatch = false;        // a step was taken; waits for all keys released
    bool Dead = false;            // dead: only the respawn button helps
    bool HasPickaxe = false;      // breaks blocks
    bool HasTnt = false;          // carries one charge
    std::int8_t PushSoundNo = 0;  // variant 0..4 of the push sound
};

inline constexpr int FlameSlots = 9;
inline constexpr std::int32_t FlameFrames = 20;  // a flame burns this many frames

// One flame of a blast: the map cell it burns on and where the player stood when it started (the
// view keeps a flame where it was on the screen then, even if the player walks on).
struct Flame {
    std::int32_t X = 0;  // map cell
    std::int32_t Y = 0;
    std::int32_t AnchorX = 0;  // the player's cell when the flame started
    std::int32_t AnchorY = 0;
    std::int32_t Countdown = -1;  // FlameFrames - 1 down to 0, then idle (-1)
};

// A ring of flame slots; more than nine at once overwrite the oldest.
struct Flames {
    std::array<Flame, FlameSlots> Slots{};
    std::int32_t NextSlot = 0;  // the slot the next flame takes
};

struct GameState {
    LevelMap Map;  // all Earth until a level is loaded
    world::Player Player;
    std::int32_t Collected = 0;                        // crystals collected in this level
    std::int32_t Dug = 0;                              // cells dug or broken in this level
    std::int32_t Needed = 0;                           // crystals that open the exit
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
    world::Flames Flames;
    RandomSequence Random;  // the rolling coin

    // The exit stair lets the player out once enough crystals are collected.
    bool ExitIsOpen() const { return Collected >= Needed; }
};

// The crystals a map needs collected: every Crystal and CrystalEarth in it.
std::int32_t CountNeeded(const LevelMap& map);

}  // namespace world
