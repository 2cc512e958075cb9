// The sound bank's rules over the sound seam. Game thread only.
#include "app/sound_bank.h"

#include "app/flags.h"
#include "app/sound.h"

namespace app {

namespace {

constexpr std::string_view MusicAlias = "ambience";

bool SoundOn() {
    return Flags().SoundEnabled;
}

// Indexed by world::Sound.
constexpr std::array<std::string_view, 10> WorldSoundAliases = {
    "dig",      "pickup", "breakstone", "rollstone", "stonecoll",
    "fassroll", "leak",   "dead",       "finish",    "explosion",
};

}  // namespace

void RegisterSounds() {
    ForEachSound(OpenSound);
}

void PlayVariant(std::string_view base, std::int8_t& counter) {
    // A counter outside 0..4 would name an alias that does not exist; start again at 0.
    if (counter < 0 || counter >= VariantCount) counter = 0;
    if (SoundOn()) {
        std::string alias(base);
        alias += static_cast<char>('0' + counter);
        PlaySound(alias);
    }
    counter = static_cast<std::int8_t>(counter + 1 < VariantCount ? counter + 1 : 0);
}

void PlayEffect(std::string_view alias) {
    if (SoundOn()) PlaySound(alias);
}

void PlayExplosion() {
    PlaySound("explosion");
}

std::string_view AliasBase(world::Sound sound) {
    return WorldSoundAliases[static_cast<std::size_t>(sound)];
}

std::string AliasOf(const world::SoundEvent& event) {
    std::string alias(AliasBase(event.What));
    if (event.Variant >= 0) alias += static_cast<char>('0' + event.Variant);
    return alias;
}

void PlayWorldSounds(const std::vector<world::SoundEvent>& sounds) {
    for (const world::SoundEvent& event : sounds) {
        if (event.What == world::Sound::Explosion) {
            PlayExplosion();
        } else if (SoundOn()) {
            PlaySound(AliasOf(event));
        }
    }
}

void RestartAmbience(std::string_view /*timerId*/) {
    if (Flags().MusicEnabled) PlaySound(MusicAlias);
}

void SwitchMusic(bool on) {
    Flags().MusicEnabled = on;
    if (on) {
        PlaySound(MusicAlias);
    } else {
        StopSound(MusicAlias);
    }
}

}  // namespace app
