// Replay scripts: the held keys of a run, frame by frame, written by hand in a small text format.
// Parsing only; harness.h plays them. Any thread; no state.
//
// One command per line; "#" starts a comment, blank lines are ignored, words are separated by
// blanks:
//
//   level 3          start on level 3 (default 1); before the first frame only
//   seed 42          the seed of the world's random sequence (default 1); before the first frame only
//   12 right         hold Right for 12 frames; keys are up down left right (the arrows),
//                    w a s d, enter and space, several joined by "+" ("3 left+right"), or none
//   wait 30          30 frames holding nothing, the same as "30 none"
//   walk rrd 3l u    steps, one letter each (u d l r): one frame with the arrow held, one with
//                    nothing held, so the key latch opens again; a number repeats the next letter
//   nextlvl          press the "nextlvl" button of the level-complete dialog that the line
//                    before opened; then one frame passes with nothing held (a player lets go
//                    of the keys to click), so the next level starts with the key latch open
//   respawn          one frame with the "respawn" button pressed and no key held
//
// Finishing a level drops the rest of the line being played (the remaining frames or steps).
// When the next line is "nextlvl", the harness presses the button and the script goes on in the
// next level; otherwise the run ends there, with the level finished.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace replay {

struct Command {
    enum class Kind { Hold, NextLevel, Respawn };
    Kind What = Kind::Hold;
    std::int64_t Frames = 0;  // Hold: how many frames
    std::vector<int> Keys;    // Hold: scan codes held in each of those frames
    int Line = 0;             // 1-based line of the script, for messages
};

struct Script {
    std::optional<std::int32_t> Level;  // "level"
    std::optional<double> Seed;         // "seed"
    std::vector<Command> Commands;      // in order; a walk is one Hold per frame pattern
};

// The script, or nothing and a message naming the line ("line 7: unknown key 'jump'").
std::optional<Script> ParseScript(std::string_view text, std::string* error = nullptr);

// How many frames the commands hold at most (a finished level cuts it short).
std::int64_t ScriptFrames(const Script& script);

}  // namespace replay
