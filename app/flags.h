// The program-wide option and request flags, shared by the menu, the play loop, the widget event
// handler and the level-complete dialog. One instance lives for the whole run; everything runs
// on the game thread.
#pragma once

#include <cstdint>

namespace app {

struct ProgramFlags {
    std::int8_t SoundEnabled = 1;        // sound effects on
    std::int8_t MusicEnabled = 1;        // "ambience" on
    std::int8_t PlayRequested = 0;       // "menu-play" pressed; the menu loop ends
    std::int8_t NextLevelRequested = 0;  // "nextlvl" pressed; the level-complete dialog ends
    std::int8_t RespawnRequested = 0;    // "respawn" pressed; the play loop restarts the level

    // The State byte of the "sound" / "music" check box of whichever screen built them last.
    std::uint8_t* SoundToggleState = nullptr;
    std::uint8_t* MusicToggleState = nullptr;
};

ProgramFlags& Flags();
// Back to the start-up values (tests).
void ResetFlags();

}  // namespace app
