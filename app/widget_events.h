// The one event handler of every Button and CheckBox on the game's screens (menu, play-screen
// toggles, "respawn", "nextlvl"). It talks to the screens only through the program-wide flags.
// Called synchronously from a GUI's Update pass on the game thread.
#pragma once

#include <string_view>

namespace app {

// Plays the click, then acts on the ID: "menu-play", "menu-back", "respawn" and "nextlvl" raise
// their request flags (the screens act on them); "sound" and "music" copy their toggle's new State
// into the flags and switch the music.
void HandleWidgetEvent(std::string_view id);

}  // namespace app
