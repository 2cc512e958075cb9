// The sound bank's rules over the sound seam. Game thread only.
#include "app/sound_bank.h"

#include "app/flags.h"
#include "app/sound.h"

namespace app {

namespace {

constexpr std::string_view MusicAlias = "ambience";

bool SoundOn() {
    return Flags().SoundEnabled == 1;
}

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

void RestartAmbience(std::string_view /*timerId*/) {
    if (Flags().MusicEnabled == 1) PlaySound(MusicAlias);
}

void SwitchMusic(bool on) {
    Flags().MusicEnabled = on ? 1 : 0;
    if (on) {
        PlaySound(MusicAlias);
    } else {
        StopSound(MusicAlias);
    }
}

}  // namespace app
