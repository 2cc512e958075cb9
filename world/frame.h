// What goes into one frame of the world and what comes out of it. The world never reads a
// keyboard, plays a sound or shows a dialog: the shell turns its input into a FrameInput, and
// plays, shows and records what the FrameEvents say.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace world {

// The keys the world reads, held or not in this frame, and the presses of the one button it
// reacts to.
struct FrameInput {
    bool Up = false;        // W or the up arrow
    bool Down = false;      // S or the down arrow
    bool Left = false;      // A or the left arrow
    bool Right = false;     // D or the right arrow
    bool GiveUp = false;    // Enter: the level can no longer be finished
    bool PlaceTnt = false;  // Space
    bool Respawn = false;   // the "respawn" button was pressed (it is only there while dead)

    bool operator==(const FrameInput&) const = default;
};

// The world's sounds. Those with variants may overlap themselves; each event names the variant
// its counter gave.
enum class Sound : std::uint8_t {
    Dig,
    Pickup,
    BreakStone,
    RollStone,  // a pushed or falling stone
    StoneColl,  // a falling crystal
    FassRoll,   // a falling barrel
    Leak,
    Dead,
    Finish,
    Explosion,
};

struct SoundEvent {
    world::Sound What = world::Sound::Dig;
    std::int8_t Variant = -1;  // 0..4 for an effect with variants, -1 for one without

    bool operator==(const SoundEvent&) const = default;
};

enum class DeathCause : std::uint8_t {
    None,
    Crushed,   // a stone, a barrel or a leak drop in the player's cell
    Poisoned,  // dead earth dug
    GaveUp,    // Enter
    Blasted,   // inside a TNT blast
};

// A level file that could not be opened or read.
struct LevelError {
    std::int64_t LevelNumber = 0;
    std::string Path;  // as the player knows it: "lvl\Level7.dat"

    std::string Message() const { return "Could not open file '" + Path + "'"; }
};

// What happened in one frame, in the order it happened.
struct FrameEvents {
    std::vector<SoundEvent> Sounds;
    DeathCause Died = DeathCause::None;  // the player died in this frame, and how
    bool LevelFinished = false;  // the player stands on the open exit; the frame waits there
    bool Exploded = false;       // placed TNT went off
    bool PlacedTnt = false;
    std::int32_t PickedUp = 0;        // crystals, the pickaxe and TNT taken
    bool Restarted = false;           // the level began again (respawn, or the next level)
    std::optional<LevelError> Error;  // the level to restart or start could not be read

    void Play(world::Sound s) { Sounds.push_back({s, -1}); }
    // An effect with variants: this counter's variant, then the counter moves on 0..4, 0, ...
    void Play(world::Sound s, std::int8_t& counter);
};

}  // namespace world
