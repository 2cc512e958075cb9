// HandleWidgetEvent: the shared widget handler. Game thread, inside a GUI's Update pass.
#include "app/widget_events.h"

#include <cstdint>

#include "app/flags.h"
#include "app/sound.h"
#include "gui/program_end.h"

namespace app {

namespace {

// A toggle's State as the handler sees it: -1 when no toggle has been built yet.
int ToggleState(const std::uint8_t* state) {
    return state ? *state : -1;
}

void SoundToggled(ProgramFlags& flags) {
    PlaySound("buttonclick");  // whatever SoundEnabled is: the toggle itself is always heard
    const int state = ToggleState(flags.SoundToggleState);
    if (state == 0) flags.SoundEnabled = 0;
    if (state == 1) flags.SoundEnabled = 1;
}

void MusicToggled(ProgramFlags& flags) {
    PlaySound("buttonclick");
    const int state = ToggleState(flags.MusicToggleState);
    if (state == 0) {
        flags.MusicEnabled = 0;
        StopSound("ambience");
    }
    if (state == 1) {
        flags.MusicEnabled = 1;
        PlaySound("ambience");
    }
}

}  // namespace

void HandleWidgetEvent(std::string_view id) {
    ProgramFlags& flags = Flags();
    if (flags.SoundEnabled == 1) PlaySound("buttonclick");
    if (id == "menu-play") flags.PlayRequested = 1;
    if (id == "menu-back") gui::EndProgram(0);
    if (id == "respawn") flags.RespawnRequested = 1;
    if (id == "nextlvl") flags.NextLevelRequested = 1;
    if (id == "sound") SoundToggled(flags);
    if (id == "music") MusicToggled(flags);
}

}  // namespace app
