// Demos: one attempt (or a whole session) kept as text, enough to replay it frame for frame: the
// level, how the world stood when it began (the random sequence, the fall and drip rhythms, a
// burning fuse, the sound variants, the player's pose and key latch), the sound toggle and the
// input of every frame, run-length encoded. docs/demos.md describes the format. Reading and
// writing only; the replay tool and the game play them. Any thread; no state.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "world/frame.h"
#include "world/game_state.h"

namespace demo {

inline constexpr int Version = 1;
// A demo file larger than this is refused unread: about 45 days of play at one key change a frame
// would not fill it.
inline constexpr std::size_t MaxFileBytes = 64u << 20;
inline constexpr std::int64_t MaxFramesPerLine = 100'000'000;
inline constexpr std::int64_t MaxFrames = std::int64_t{1} << 36;

// How the first level began: loaded afresh (the game's start, or a respawn), or entered through
// the level-complete dialog of the level before, which lets the finishing frame go on in it.
enum class Entry { Start, Next };

// The parts of the world a level file does not decide, as they stood when the demo began.
struct Carried {
    std::array<std::uint64_t, 4> Random{1, 2, 3, 4};  // never all zeros
    std::array<std::int32_t, world::MapSize> ColumnTimers{};
    std::int32_t LeakTimer = 0;
    std::int32_t TntFuse = 0;
    std::array<std::int8_t, 8> Variants{};  // break, dig, pickup, fall, crystal, barrel, leak, push
    std::int32_t Facing = 0;
    bool KeyLatch = false;
    std::int32_t StepTimer = 0;

    bool operator==(const Carried&) const = default;
};

Carried CarriedFrom(const world::GameState& game);
// Puts the carried parts into the game; the map and the counters are left to the level's loading.
void ApplyCarried(const Carried& carried, world::GameState& game);

struct Step {
    enum class Kind { Frames, NextLevel };
    Kind What = Kind::Frames;
    std::int64_t Frames = 0;  // Frames: how many frames had this input
    world::FrameInput Input;

    bool operator==(const Step&) const = default;
};

struct Demo {
    std::int32_t Level = 1;
    demo::Entry Entry = Entry::Start;
    Carried State;
    bool Sound = true;        // the sound toggle when the demo began
    std::vector<Step> Steps;  // in order; equal neighbouring frames are joined

    // One more frame with this input, joined to the last step when it is the same.
    void AddFrame(const world::FrameInput& input);
    void AddNextLevel() { Steps.push_back({Step::Kind::NextLevel, 0, {}}); }
    std::int64_t Frames() const;

    bool operator==(const Demo&) const = default;
};

// The demo, or nothing and a message naming the line ("line 4: unknown setting 'walk'").
std::optional<Demo> ParseDemo(std::string_view text, std::string* error = nullptr);
std::string DemoText(const Demo& demo);

// The text of a demo file, refusing one larger than MaxFileBytes; nothing and a message when it
// cannot be read.
std::optional<std::string> ReadDemoFile(const std::string& path, std::string* error);
// Writes through a temporary file beside it, so a failure never leaves half a demo behind.
bool WriteDemoFile(const std::string& path, const Demo& demo, std::string* error);

}  // namespace demo
