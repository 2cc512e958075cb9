// HandleWidgetEvent: the shared widget handler. Game thread, inside a GUI's Update pass.
#include "app/widget_events.h"

#include <cstdint>

#include "app/flags.h"
#include "app/sound.h"

namespace app {

namespace {

// A toggle's State as the handler sees it: -1 when no toggle has been built yet.
int ToggleState(const std::uint8_t* state) {
    return state ? *state : -1;
}

void SoundToggled(ProgramFlags& flags) {
    PlaySound("buttonclick");  // whatever SoundEnabled is: the toggle itself is always heard
    const int state = ToggleState(flags.SoundToggleState);
    if (state == 0) flags.SoundEnabled = false;
    if (state == 1) flags.SoundEnabled = true;
}

void MusicToggled(ProgramFlags& flags) {
    PlaySound("buttonclick");
    const int state = ToggleState(flags.MusicToggleState);
    if (state == 0) {
        flags.MusicEnabled = false;
        StopSound("ambience");
    }
    if (state == 1) {
        flags.MusicEnabled = true;
        PlaySound("ambience");
    }
}

}  // namespace

void HandleWidgetEvent(std::string_view id) {
    ProgramFlags& flags = Flags();
    if (flags.SoundEnabled) PlaySound("buttonclick");
    if (id == "menu-play") flags.PlayRequested = true;
    if (id == "menu-back") flags.QuitRequested = true;
    if (id == "respawn") flags.RespawnRequested = true;
    if (id == "nextlvl") flags.NextLevelRequested = true;
    if (id == "sound") SoundToggled(flags);
    if (id == "music") MusicToggled(flags);
}

}  // namespace app
