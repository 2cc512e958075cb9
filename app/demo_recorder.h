// Keeping play as demos. DemoRecorder writes down everything a session steps, from its first
// level on (a whole session for "--record FILE", or a replay script turned into a demo).
// AttemptKeeper cuts the play into attempts, from a level's start or restart to its finish,
// death, give-up or quit, and keeps each as the level's last demo, and a finished one also as the
// level's best when it is the first or shorter than the kept one. Game thread.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/session.h"
#include "demo/demo.h"

namespace app {

class DemoRecorder : public SessionRecorder {
  public:
    void Started(const world::GameState& game) override;
    void Entering(const world::GameState& before) override;
    void Stepped(const world::FrameInput& input, const world::FrameEvents& events,
                 const world::GameState& after) override;

    // Nothing until a level has started.
    const std::optional<demo::Demo>& Demo() const { return demo_; }

  private:
    std::optional<demo::Demo> demo_;
};

// The demo that begins with this game, before its first frame.
demo::Demo DemoStartingAt(const world::GameState& game, demo::Entry entry);

// The folder the game keeps its demos in: $XDG_DATA_HOME/game/demos, or
// ~/.local/share/game/demos; nothing when neither variable is set.
std::optional<std::filesystem::path> DemoFolder();

class AttemptKeeper : public SessionRecorder {
  public:
    // Demos go into `folder` (created when the first is kept); with `sessionFile`, the whole
    // session is also written there after each finished level and at the end.
    AttemptKeeper(std::optional<std::filesystem::path> folder, std::string sessionFile);
    ~AttemptKeeper() override;  // the attempt in progress ends as quit
    AttemptKeeper(const AttemptKeeper&) = delete;
    AttemptKeeper& operator=(const AttemptKeeper&) = delete;

    void Started(const world::GameState& game) override;
    void Entering(const world::GameState& before) override;
    void Stepped(const world::FrameInput& input, const world::FrameEvents& events,
                 const world::GameState& after) override;

  private:
    void Keep(bool finished);
    void WriteSession();

    std::optional<std::filesystem::path> folder_;
    std::string sessionFile_;
    DemoRecorder session_;
    std::optional<demo::Demo> attempt_;
};

}  // namespace app
