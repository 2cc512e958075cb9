// The program-wide option and request flags, shared by the shell's screens and the widget event
// handler. One instance lives for the whole run; everything runs
// on the game thread.
#pragma once

#include <cstdint>

namespace app {

struct ProgramFlags {
    bool SoundEnabled = true;         // sound effects on
    bool MusicEnabled = true;         // "ambience" on
    bool PlayRequested = false;       // "menu-play" pressed; the menu ends
    bool QuitRequested = false;       // "menu-back" pressed; the game ends
    bool NextLevelRequested = false;  // "nextlvl" pressed; the level-complete dialog ends
    bool RespawnRequested = false;    // "respawn" pressed; the level restarts

    // The State byte of the "sound" / "music" check box of whichever screen built them last.
    std::uint8_t* SoundToggleState = nullptr;
    std::uint8_t* MusicToggleState = nullptr;
};

ProgramFlags& Flags();
// Back to the start-up values (tests).
void ResetFlags();

}  // namespace app
