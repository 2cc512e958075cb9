// What the harness and the demo runner share; see run_support.h. Calling thread.
#include "tools/replay/run_support.h"

#include <utility>

#include "app/flags.h"

namespace replay {

Environment::Environment(Outcome& out) {
    app::ResetFlags();
    sound_ = app::SetSoundCalls({nullptr,
                                 [this, &out](std::string_view alias) {
                                     ++out.SoundsPlayed[std::string(alias)];
                                     if (IsWorldSound(alias)) Sounds.emplace_back(alias);
                                 },
                                 nullptr});
}

Environment::~Environment() {
    app::SetSoundCalls(std::move(sound_));
    app::ResetFlags();
}

void ReportEnd(const app::Session& session, Outcome& out) {
    const world::GameState& g = session.Game();
    out.LevelNumber = g.LevelNumber;
    out.Dead = g.Player.Dead;
    out.Map = g.Map;
    out.PlayerX = g.Player.X;
    out.PlayerY = g.Player.Y;
    out.Collected = g.Collected;
    out.Needed = g.Needed;
    out.Dug = g.Dug;
    out.HasPickaxe = g.Player.HasPickaxe;
    out.HasTnt = g.Player.HasTnt;
    out.TntFuse = g.TntFuse;
    out.Trace.Final = DigestFrame(g, {});
    if (const auto& error = session.Error()) out.FatalMessage = error->Message();
}

}  // namespace replay
