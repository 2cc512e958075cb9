// What the harness and the demo runner share: the program state a run borrows and gives back,
// and the account of the world at the end of a run. Calling thread.
#pragma once

#include "app/session.h"
#include "app/sound.h"
#include "tools/replay/harness.h"

namespace replay {

// Everything a run changes outside itself, put back when it ends: the flags (sound effects on)
// and the sound calls, which record every world sound instead of playing it.
class Environment {
  public:
    explicit Environment(Outcome& out);
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    replay::FrameSounds Sounds;  // the world sounds of the frame being played

  private:
    app::SoundCalls sound_;
};

// The state the session ended in, into the outcome (the map, the player, the counters, the
// final digest and the fatal message).
void ReportEnd(const app::Session& session, Outcome& out);

}  // namespace replay
