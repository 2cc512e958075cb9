// The game's sounds: which file plays under which alias, all opened once at start-up, and the
// rules for playing them: effects only while SoundEnabled is on, five aliases of an effect that
// may overlap itself used in turn, and the music started at start-up, restarted by the play
// loop's 80-second timer and switched by the music toggle. Game thread only.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "world/frame.h"

namespace app {

struct SoundFile {
    std::string_view Alias;  // for a variant effect, the base the digit is appended to
    std::string_view File;   // relative to the working directory, '\' separated
};

// Opened under their own names, in this order.
inline constexpr std::array<SoundFile, 5> SingleSounds{{
    {"buttonclick", "res\\sound\\buttonclick.wav"},
    {"dead", "res\\sound\\dead.wav"},
    {"finish", "res\\sound\\finish.wav"},
    {"ambience", "res\\sound\\ambience.mp3"},
    {"explosion", "res\\sound\\explosion.wav"},
}};

// Effects that may overlap themselves: each file is opened under five aliases, its base
// followed by one digit 0 to 4 ("dig0" .. "dig4"). "stoneslideside" is opened but never played.
inline constexpr std::array<SoundFile, 8> VariantSounds{{
    {"breakstone", "res\\sound\\breakstone.wav"},
    {"dig", "res\\sound\\dig.wav"},
    {"pickup", "res\\sound\\pickup.wav"},
    {"rollstone", "res\\sound\\rollstone.wav"},
    {"stonecoll", "res\\sound\\stonecoll.wav"},
    {"stoneslideside", "res\\sound\\stoneslideside.wav"},
    {"fassroll", "res\\sound\\fassroll.wav"},
    {"leak", "res\\sound\\leak.wav"},
}};

inline constexpr std::int8_t VariantCount = 5;

// Calls open(file, alias) for all 45 aliases in registration order: the single sounds, then for
// each digit 0 to 4 the eight variant effects with that digit.
template <typename OpenFn>
void ForEachSound(OpenFn&& open) {
    for (const SoundFile& sound : SingleSounds) open(sound.File, sound.Alias);
    for (std::int8_t digit = 0; digit < VariantCount; ++digit) {
        for (const SoundFile& sound : VariantSounds) {
            std::string alias(sound.Alias);
            alias += static_cast<char>('0' + digit);
            open(sound.File, std::string_view(alias));
        }
    }
}

// Opens all 45 aliases. Called once by start-up, before the screen opens; a missing file
// leaves its alias silent.
void RegisterSounds();

// One event of an effect with variants: while SoundEnabled, plays the base followed by the
// counter's digit ("dig" and 3 give "dig3"); then, played or not, advances the counter 0, 1, 2,
// 3, 4, 0, ... The counter is one of the per-effect counters of the game state.
void PlayVariant(std::string_view base, std::int8_t& counter);

// An effect without variants ("dead", "finish", a button's "buttonclick"): only while
// SoundEnabled.
void PlayEffect(std::string_view alias);

// Placed TNT going off: heard even while SoundEnabled is off.
void PlayExplosion();

// The alias base of a world sound ("dig", "explosion").
std::string_view AliasBase(world::Sound sound);

// The full alias of a world sound event: the base, followed by the variant's digit when it has
// one ("dig3").
std::string AliasOf(const world::SoundEvent& event);

// Plays what a frame of the world sounded, in order: the explosion always, everything else only
// while SoundEnabled.
void PlayWorldSounds(const std::vector<world::SoundEvent>& sounds);

// The handler of the play loop's repeating 80-second GameTimer, also what starts the music at
// start-up: plays "ambience" from its beginning while MusicEnabled; the id is ignored.
void RestartAmbience(std::string_view timerId);

// The music toggle: MusicEnabled follows on; switching off stops "ambience" at once, switching
// on plays it from its beginning.
void SwitchMusic(bool on);

}  // namespace app
