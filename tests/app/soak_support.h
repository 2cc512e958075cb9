// Test support for long headless runs of the real play loop: a random walk of held keys over the
// shipped levels, with deaths, respawns, give-ups and level changes, and the invariants every
// frame must keep. The soak tests (short in the unit run, long under the sanitizers) use it.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "tools/replay/trace.h"
#include "world/game_state.h"

namespace app::test {

// The numbers n of every lvl/Level<n>.dat in the folder, ascending. Only numbers of up to five
// digits: tests running beside this one write level files of their own with larger numbers.
std::vector<std::int32_t> LevelNumbersIn(const std::filesystem::path& folder);

// What a level file allows a map to hold while it is played, as the rules move things about.
struct LevelFacts {
    std::array<bool, 256> MayHold{};     // indexed by the cell's byte
    std::array<int, 256> CountAtLoad{};  // cells of each code in the file
    std::int32_t Needed = 0;             // as the load counts it
    std::int32_t CrystalsAtLoad = 0;     // crystals of all four kinds
};

LevelFacts FactsOf(const world::LevelMap& loaded);

// The first broken invariant of a game state between two frames, or "" when all hold.
std::string BrokenInvariant(const world::GameState& game, const LevelFacts& facts);

// A level no level designer would make, for the walk to meet everything the rules know: no wall
// around it (the view goes past the map's edges), every tile kind and some codes that are none,
// stones, crystals and barrels over empty cells, dead earth over shafts, lit charges, several
// stairs of both kinds, and only bonus crystals, so that its exits are open from the start.
world::LevelMap WildLevel(std::uint64_t seed);

struct SoakOptions {
    std::int32_t StartLevel = 1;
    std::uint64_t Seed = 1;   // the keys and the game's random sequence both start from it
    std::int64_t Frames = 0;  // frames to play in all
    int DrawEvery = 8;        // every Nth frame is a whole play-loop frame, drawing included
};

struct SoakReport {
    std::int64_t Frames = 0;
    std::int64_t DrawnFrames = 0;
    int Deaths = 0;
    int Respawns = 0;
    int GiveUps = 0;          // Enter held on purpose
    int LevelsFinished = 0;   // level-complete dialogs passed
    int SolutionsPlayed = 0;  // shipped solutions played from a fresh start
    int Sessions = 0;         // play sessions built (a missing next level ends one)
    std::map<std::int32_t, std::int64_t> FramesOnLevel;
    std::string Failure;  // the first problem, with the frame and a picture of the map
    replay::Trace Trace;  // every frame of the walk (Final: the state it ended in)
};

// Plays the walk from the working directory (which holds res/, lvl/ and levels/solutions/) on a
// memory screen, with sounds recorded rather than played. Every frame runs GameStep; every
// DrawEvery-th frame is a whole play-loop frame (widgets, timer, respawn, scene, pacer). After
// each frame the invariants are checked; the run stops at the first one broken.
//
// The walk: random held keys (arrows, WASD, Space, rarely Enter) for random lengths, with pauses
// so that steps are taken; a dead player is respawned after a random wait; the toggles are
// clicked now and then; after a respawn the level's shipped solution is sometimes played, so
// levels get finished and the next one starts. Finishing the last level ends the session the way
// the game ends (the next file is missing); the walk then goes on in a new session.
SoakReport RunSoak(const SoakOptions& options);

// The walk's trace against the one recorded in tests/app/soak_traces.txt (see replay::CheckTrace).
std::string CheckSoakTrace(const std::string& name, const replay::Trace& trace);

}  // namespace app::test
