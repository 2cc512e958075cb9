// The player's settings: XDG_CONFIG_HOME/game/settings.ini (~/.config when that is not set), read
// once at start and never written by the game. A missing file means the defaults; a line that
// cannot be understood is reported once on stderr and ignored. Lines are "name = value"; "#" or
// ";" starts a comment to the end of the line; a "[section]" line is allowed and means nothing.
//
//   walk_on_held_key = on|off         walk_repeat_frames = 1..600
//   pause_on_focus_loss = on|off      scale = 1..8        fullscreen = on|off
//   key.<action> = <key name>         pad.<action> = <button name>
//
// where <action> is up, down, left, right, giveup, tnt, confirm, pause or quit. A key or button
// named there works besides the documented ones. Game thread.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/held_walk.h"

namespace app {

// The window's own settings, for the desktop code to apply where it supports them.
struct DisplaySettings {
    std::optional<std::int32_t> Scale;
    std::optional<bool> Fullscreen;
};

struct Settings {
    WalkSetting Walk;
    bool PauseOnFocusLoss = false;
    Bindings Extra;
    DisplaySettings Display;
};

// The settings a file's text gives; each line that cannot be used adds a message to `problems`
// ("settings.ini:3: ...") and changes nothing.
Settings ParseSettings(std::string_view text, std::vector<std::string>& problems);

// Where the file is looked for, from the environment's values (null when unset); empty when
// neither is set.
std::string SettingsPath(const char* xdgConfigHome, const char* home);

// Reads the file at `path` (the defaults when it is missing) and writes its problems to stderr.
Settings LoadSettings(const std::string& path);

// The settings of this run: the file at SettingsPath of the environment, loaded at the first call
// and kept. The window's code takes its Display part from here.
const Settings& StartupSettings();

}  // namespace app
