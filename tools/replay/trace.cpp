// Frame digests and run traces; see trace.h.
#include "tools/replay/trace.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace replay {

namespace {

// FNV-1a, 64 bits: stable across machines and builds, which a committed trace needs.
class Hasher {
  public:
    void Bytes(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) hash_ = (hash_ ^ p[i]) * 1099511628211ull;
    }
    void Int(std::int64_t v) { Bytes(&v, sizeof v); }
    void Text(std::string_view s) {
        Int(static_cast<std::int64_t>(s.size()));
        Bytes(s.data(), s.size());
    }
    std::uint64_t Value() const { return hash_; }

  private:
    std::uint64_t hash_ = 14695981039346656037ull;
};

void HashPlayer(Hasher& h, const world::Player& p) {
    for (std::int64_t v :
         {std::int64_t{p.X}, std::int64_t{p.Y}, std::int64_t{p.StepTimer},
          static_cast<std::int64_t>(p.Facing), std::int64_t{p.KeyLatch}, std::int64_t{p.Dead},
          std::int64_t{p.HasPickaxe}, std::int64_t{p.HasTnt}, std::int64_t{p.PushSoundNo}})
        h.Int(v);
}

void HashCounters(Hasher& h, const world::GameState& g) {
    for (std::int64_t v :
         {std::int64_t{g.Collected}, std::int64_t{g.Dug}, std::int64_t{g.Needed},
          std::int64_t{g.FallDelay}, std::int64_t{g.LeakTimer}, std::int64_t{g.LeakDelay},
          std::int64_t{g.TntFuse}, std::int64_t{g.TntFuseLength}, std::int64_t{g.LevelNumber},
          std::int64_t{g.BreakSoundNo}, std::int64_t{g.DigSoundNo}, std::int64_t{g.PickupSoundNo},
          std::int64_t{g.FallSoundNo}, std::int64_t{g.CrystalFallSoundNo},
          std::int64_t{g.BarrelSoundNo}, std::int64_t{g.LeakSoundNo}})
        h.Int(v);
    for (std::int32_t t : g.ColumnTimers) h.Int(t);
}

// A running flame counts with its countdown and its cell relative to the player's cell when it
// started; an idle slot only with its countdown (where it last burnt no longer matters).
void HashFlames(Hasher& h, const world::GameState& g) {
    h.Int(g.Flames.NextSlot);
    for (const world::Flame& f : g.Flames.Slots) {
        h.Int(f.Countdown);
        if (f.Countdown < 0) continue;
        h.Int(f.X - f.AnchorX);
        h.Int(f.Y - f.AnchorY);
    }
}

}  // namespace

bool IsWorldSound(std::string_view alias) {
    return alias != "buttonclick" && alias != "ambience";
}

std::uint64_t DigestFrame(const world::GameState& game, const FrameSounds& sounds) {
    Hasher h;
    h.Bytes(game.Map.Cells.data(), game.Map.Cells.size());
    HashPlayer(h, game.Player);
    HashCounters(h, game);
    HashFlames(h, game);
    h.Int(static_cast<std::int64_t>(sounds.size()));
    for (const std::string& s : sounds) h.Text(s);
    return h.Value();
}

void Trace::Add(std::uint64_t frameDigest) {
    Hasher h;
    h.Int(static_cast<std::int64_t>(Running));
    h.Int(static_cast<std::int64_t>(frameDigest));
    Running = h.Value();
    if (++Frames % CheckpointEvery == 0) Checkpoints.push_back(Running);
}

std::string TraceLine(std::string_view name, const Trace& t) {
    std::ostringstream s;
    s << name << ' ' << t.Frames << std::hex << ' ' << t.Final << ' ' << t.Running;
    for (std::uint64_t c : t.Checkpoints) s << ' ' << c;
    return s.str();
}

std::optional<std::pair<std::string, Trace>> ParseTraceLine(std::string_view line) {
    std::istringstream in{std::string(line)};
    std::pair<std::string, Trace> named;
    Trace& t = named.second;
    if (!(in >> named.first >> t.Frames >> std::hex >> t.Final >> t.Running)) return std::nullopt;
    for (std::uint64_t c; in >> c;) t.Checkpoints.push_back(c);
    if (!in.eof() || t.Frames < 0) return std::nullopt;
    if (t.Checkpoints.size() != static_cast<std::size_t>(t.Frames / Trace::CheckpointEvery))
        return std::nullopt;
    return named;
}

std::map<std::string, Trace> ReadTraceFile(const std::string& path) {
    std::map<std::string, Trace> traces;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (auto named = ParseTraceLine(line)) traces.insert(std::move(*named));
    }
    return traces;
}

std::string CheckTrace(const std::string& file, const std::string& name, const Trace& actual) {
    if (std::getenv("GAME_RECORD_TRACES")) {
        std::ofstream(file, std::ios::app) << TraceLine(name, actual) << "\n";
        return "";
    }
    const std::map<std::string, Trace> expected = ReadTraceFile(file);
    const auto it = expected.find(name);
    if (it == expected.end()) return name + ": no recorded trace in " + file;
    const std::string difference = FirstDifference(it->second, actual);
    return difference.empty() ? "" : name + ": " + difference;
}

std::string FirstDifference(const Trace& expected, const Trace& actual) {
    if (expected == actual) return "";
    std::ostringstream s;
    const std::size_t common = std::min(expected.Checkpoints.size(), actual.Checkpoints.size());
    for (std::size_t k = 0; k < common; ++k) {
        if (expected.Checkpoints[k] == actual.Checkpoints[k]) continue;
        s << "the frames differ between frame " << k * Trace::CheckpointEvery + 1 << " and "
          << (k + 1) * Trace::CheckpointEvery;
        return s.str();
    }
    if (expected.Frames != actual.Frames) {
        s << "the run played " << actual.Frames << " frames instead of " << expected.Frames;
    } else if (expected.Running != actual.Running) {
        s << "the frames differ after frame " << common * Trace::CheckpointEvery;
    } else {
        s << "every frame agrees but the state the run ended in differs";
    }
    return s.str();
}

}  // namespace replay
