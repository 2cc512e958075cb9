// One game in progress as the shell's screens see it: the world's state, the folder its levels
// come from, and the screen the last frame left it on (playing, dead, level complete or error).
// It steps the world with a frame's input and plays what the frame sounded. It owns no window, so
// the game's screens, the replay harness and the tests all drive the same frames. Game thread.
#pragma once

#include <cstdint>
#include <optional>

#include "world/frame.h"
#include "world/game_state.h"
#include "world/level_file.h"

namespace app {

enum class Screen {
    Menu,           // the main menu (the shell's; a session never is on it)
    Playing,        // the world steps with the player's keys
    Dead,           // the world steps; the "respawn" button restarts the level
    LevelComplete,  // the finishing frame waits for "nextlvl"
    Error,          // a level file could not be read
    Ended,          // the game is over
};

// Told of every frame a session steps, to keep it as a demo. A session has none unless given one.
class SessionRecorder {
  public:
    virtual ~SessionRecorder() = default;
    // Start loaded the level: the game as it is before its first frame.
    virtual void Started(const world::GameState& game) = 0;
    // "nextlvl": the game as it is before the finishing frame goes on in the next level.
    virtual void Entering(const world::GameState& before) = 0;
    // One frame stepped with this input.
    virtual void Stepped(const world::FrameInput& input, const world::FrameEvents& events,
                         const world::GameState& after) = 0;
};

class Session {
  public:
    // A world seeded with `seed`, reading its levels from `levels`; nothing loaded yet.
    Session(world::LevelFolder levels, double seed);

    // Loads the level and puts the player on its start stair: Playing, or Error.
    void Start(std::int32_t levelNumber);

    // One frame of the playing or dead screen: the world steps, the frame's sounds play, and the
    // screen follows what happened.
    world::FrameEvents Step(const world::FrameInput& input);

    // "nextlvl" on the level-complete screen: the finishing frame goes on in the next level.
    world::FrameEvents NextLevel();

    app::Screen Screen() const { return screen_; }
    const std::optional<world::LevelError>& Error() const { return error_; }
    world::GameState& Game() { return game_; }
    const world::GameState& Game() const { return game_; }
    const world::LevelFolder& Levels() const { return levels_; }
    // The recorder told of every frame from now on (none: nothing is recorded); not owned.
    void SetRecorder(SessionRecorder* recorder) { recorder_ = recorder; }

  private:
    void Follow(const world::FrameEvents& events);

    world::LevelFolder levels_;
    world::GameState game_;
    app::Screen screen_ = app::Screen::Playing;
    std::optional<world::LevelError> error_;
    SessionRecorder* recorder_ = nullptr;
};

}  // namespace app
