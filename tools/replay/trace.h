// Frame digests: a 64-bit fingerprint of the world after each frame (the map, the player, the
// counters, the fall and drip timers, the fuse, the flames and the sounds the frame played), and
// the trace of a run built from them. Committed traces prove that a change to the code leaves
// every frame of every recorded run as it was. Any thread; no shared state.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/game_state.h"

namespace replay {

// The world sounds of one frame, as the aliases played, in order.
using FrameSounds = std::vector<std::string>;

// True for the aliases the world plays; the shell's own sounds (the button click, the music) are
// no part of a frame's digest.
bool IsWorldSound(std::string_view alias);

// The fingerprint of the world after a frame that played these sounds.
std::uint64_t DigestFrame(const world::GameState& game, const FrameSounds& sounds);

// A run's trace: the number of frames, a running hash over every frame's digest, the running hash
// every CheckpointEvery frames (so a difference can be found to within that many frames), and
// the digest of the state the run ended in.
struct Trace {
    static constexpr std::int64_t CheckpointEvery = 500;

    std::int64_t Frames = 0;
    std::uint64_t Running = 0;
    std::vector<std::uint64_t> Checkpoints;
    std::uint64_t Final = 0;

    void Add(std::uint64_t frameDigest);
    bool operator==(const Trace&) const = default;
};

// One line: "<name> <frames> <final> <running> <checkpoints...>", numbers in hex but frames.
std::string TraceLine(std::string_view name, const Trace& trace);
// The name and trace of such a line; nothing for a line that is not one.
std::optional<std::pair<std::string, Trace>> ParseTraceLine(std::string_view line);

// The traces of a file of such lines, by name; lines that are none are skipped ("#" comments).
std::map<std::string, Trace> ReadTraceFile(const std::string& path);

// For tests: "" when `actual` matches the trace of that name in the file, else what is wrong.
// With GAME_RECORD_TRACES set in the environment, appends the line to the file instead (to
// record the traces of today's code before a change that must not alter them).
std::string CheckTrace(const std::string& file, const std::string& name, const Trace& actual);

// Where two traces of the same run first part: "" when they agree, else a sentence naming the
// first checkpoint span that differs.
std::string FirstDifference(const Trace& expected, const Trace& actual);

}  // namespace replay
