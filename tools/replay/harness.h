// The replay harness: plays a script frame by frame through the same session the game's playing,
// dead and level-complete screens drive, headless, and reports how the run ended. Used by the
// world's tests and by the replay tool; runs on the calling thread.
//
// A run resets the program-wide flags, keeps sound effects on and records every play instead of
// sounding it, seeds the world's random sequence, loads the level from lvl/ and puts the player
// on its start stair, exactly as the game does. Each frame gives the session the script's keys
// (and, for "respawn", the button's press). A frame that reaches the open exit waits on the
// level-complete screen: the harness goes on to the next level when the script says "nextlvl",
// and otherwise ends the run there. A level file that cannot be read ends the run with its
// message.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tools/replay/script.h"
#include "tools/replay/trace.h"
#include "world/level_map.h"

namespace app {
class SessionRecorder;
}

namespace replay {

struct RunOptions {
    std::optional<std::int32_t> Level;  // overrides the script's "level" (default 1)
    std::optional<double> Seed;         // overrides the script's "seed" (default 1)
    // Frames already run before the level starts, as when it follows another level: the column
    // timers start at Phase mod 25 and the drip timer at Phase mod 121 (both 0 by default).
    std::int32_t Phase = 0;
    bool KeepDigests = false;  // keep every frame's digest in the outcome (FrameDigests)
    std::filesystem::path Levels = "lvl";  // the folder of the level files
    // Told of every frame from the level's start on, phases set (to turn a script into a demo).
    app::SessionRecorder* Record = nullptr;
};

// The seeds and phases a shipped solution must finish under: a solution that passes them all
// relies neither on a lucky roll of a stone nor on where the fall and drip rhythms stood when the
// level began.
std::vector<RunOptions> StandardTrials();

struct Outcome {
    std::int32_t StartLevel = 0;      // the level the run began on
    double Seed = 0;                  // the seed it used
    std::int32_t Phase = 0;           // the phase it used (RunOptions)
    std::int32_t LevelNumber = 0;     // the level being played (or finished) at the end
    std::int64_t Frames = 0;          // frames played (GameStep calls)
    std::int32_t LevelsFinished = 0;  // level-complete dialogs reached
    bool Finished = false;            // the run ended on the level-complete dialog
    bool Dead = false;                // the player is dead at the end
    std::int32_t Deaths = 0;          // times the player died during the run
    world::LevelMap Map;              // the map at the end
    std::int32_t PlayerX = 0;         // the player's cell at the end
    std::int32_t PlayerY = 0;
    std::int32_t Collected = 0;  // counters at the end
    std::int32_t Needed = 0;
    std::int32_t Dug = 0;
    bool HasPickaxe = false;
    bool HasTnt = false;
    std::int32_t TntFuse = 0;
    std::string FatalMessage;  // the fatal report that ended the run (a missing level file)
    std::vector<std::string> Problems;        // script lines that could not be played as written
    std::map<std::string, int> SoundsPlayed;  // alias -> plays (sound effects were on)
    replay::Trace Trace;                      // every frame played, and the state at the end
    std::vector<std::uint64_t> FrameDigests;  // with KeepDigests: each frame's digest, in order
};

// Plays the script. Never ends the process and never leaves hooks behind; a script that stops
// on the dialog without "nextlvl", or asks for "nextlvl" with no dialog open, is reported in the
// outcome (Finished, Problems), not thrown.
Outcome Run(const Script& script, const RunOptions& options = {});

// A short human-readable account (first line: "finished", "dead", "alive" or "ended"), followed
// by the map with the player as "@" when asked.
std::string Describe(const Outcome& outcome, bool withMap);

}  // namespace replay
