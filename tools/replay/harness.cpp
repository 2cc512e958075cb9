// Playing replay scripts headless; see harness.h. Calling thread.
#include "tools/replay/harness.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <utility>

#include "app/flags.h"
#include "app/input.h"
#include "app/session.h"
#include "app/sound.h"
#include "tools/replay/run_support.h"
#include "world/map_picture.h"

namespace replay {

namespace {

class Runner {
  public:
    Runner(const Script& script, const RunOptions& options, Outcome& out, FrameSounds& sounds)
        : commands_(script.Commands),
          phase_(std::max(options.Phase, 0)),
          keepDigests_(options.KeepDigests),
          record_(options.Record),
          out_(out),
          sounds_(sounds),
          session_(world::LevelFolder(options.Levels), out.Seed) {}

    // False when the level cannot be read.
    bool Start() {
        session_.Start(out_.StartLevel);
        world::GameState& g = session_.Game();
        for (std::int32_t& timer : g.ColumnTimers) timer = phase_ % g.FallDelay;
        g.LeakTimer = phase_ % (g.LeakDelay + 1);
        if (record_ && !Ended()) {
            record_->Started(g);
            session_.SetRecorder(record_);
        }
        return !Ended();
    }

    void Play() {
        for (current_ = 0; current_ < commands_.size() && !Ended(); current_ = resume_) {
            resume_ = current_ + 1;
            PlayCommand(commands_[current_]);
        }
    }

    void Report() { ReportEnd(session_, out_); }

  private:
    // The run is over: a level could not be read, or it stopped on a dialog.
    bool Ended() const { return out_.Finished || session_.Screen() == app::Screen::Error; }

    void Problem(const Command& c, const std::string& what) {
        out_.Problems.push_back("line " + std::to_string(c.Line) + ": " + what);
    }

    void PlayCommand(const Command& c) {
        switch (c.What) {
            case Command::Kind::Hold:
                return Hold(c);
            case Command::Kind::NextLevel:
                return Problem(c, "nextlvl, but the line before finished no level");
            case Command::Kind::Respawn:
                return Respawn(c);
        }
    }

    void Hold(const Command& c) {
        const world::FrameInput input = app::InputFromKeys([&c](int code) {
            return std::find(c.Keys.begin(), c.Keys.end(), code) != c.Keys.end();
        });
        for (std::int64_t f = 0; f < c.Frames && !Ended(); ++f) {
            if (PlayFrame(input)) break;  // the rest of the line is dropped
        }
    }

    void Respawn(const Command& c) {
        if (!session_.Game().Player.Dead) Problem(c, "respawn, but the player is alive");
        world::FrameInput press;
        press.Respawn = true;
        PlayFrame(press);
    }

    // One frame with exactly this input. After a frame that went through the level-complete
    // dialog, one more frame passes with nothing held, as a player lets go of the keys to click
    // "nextlvl"; true then.
    bool PlayFrame(const world::FrameInput& input) {
        Frame(input);
        if (!std::exchange(dialogPassed_, false) || Ended()) return false;
        Frame({});
        dialogPassed_ = false;
        return true;
    }

    // One frame of the playing or dead screen, as far as the world sees it.
    void Frame(const world::FrameInput& input) {
        const bool wasDead = session_.Game().Player.Dead;
        ++out_.Frames;
        session_.Step(input);
        if (session_.Screen() == app::Screen::LevelComplete) LevelComplete();
        if (Ended()) return;  // a frame that never ended has no digest
        if (!wasDead && session_.Game().Player.Dead) ++out_.Deaths;
        const std::uint64_t digest = DigestFrame(session_.Game(), sounds_);
        sounds_.clear();
        out_.Trace.Add(digest);
        if (keepDigests_) out_.FrameDigests.push_back(digest);
    }

    // The first command after the line of command i (a walk is several commands of one line).
    std::size_t NextLineStart(std::size_t i) const {
        std::size_t next = i + 1;
        while (next < commands_.size() && commands_[next].Line == commands_[i].Line) ++next;
        return next;
    }

    // The frame waits on the dialog: "nextlvl" when the script says so, else the run ends here.
    void LevelComplete() {
        ++out_.LevelsFinished;
        // A second dialog within one command (a next level that starts on its open exit) looks
        // past the "nextlvl" the first one took.
        const std::size_t next = std::max(NextLineStart(current_), resume_);
        if (next >= commands_.size() || commands_[next].What != Command::Kind::NextLevel) {
            out_.Finished = true;
            return;
        }
        resume_ = next + 1;
        dialogPassed_ = true;
        session_.NextLevel();
    }

    const std::vector<Command>& commands_;
    const std::int32_t phase_;
    const bool keepDigests_;
    app::SessionRecorder* const record_;
    Outcome& out_;
    FrameSounds& sounds_;
    app::Session session_;
    std::size_t current_ = 0;    // the command being played
    std::size_t resume_ = 0;     // the command played after it
    bool dialogPassed_ = false;  // this frame went through a level-complete dialog
};

std::string YesNo(bool b) {
    return b ? "yes" : "no";
}

std::string Verdict(const Outcome& o) {
    if (!o.FatalMessage.empty()) return "ended";
    if (o.Finished) return "finished";
    return o.Dead ? "dead" : "alive";
}

}  // namespace

Outcome Run(const Script& script, const RunOptions& options) {
    Outcome out;
    out.StartLevel = options.Level.value_or(script.Level.value_or(1));
    out.Seed = options.Seed.value_or(script.Seed.value_or(1));
    out.Phase = options.Phase;
    out.LevelNumber = out.StartLevel;
    Environment environment(out);
    Runner runner(script, options, out, environment.Sounds);
    if (runner.Start()) runner.Play();
    runner.Report();
    return out;
}

std::vector<RunOptions> StandardTrials() {
    return {{std::nullopt, 1.0, 0},
            {std::nullopt, 2.0, 7},
            {std::nullopt, 3.5, 13},
            {std::nullopt, 1234.25, 61},
            {std::nullopt, 987654.0, 119}};
}

std::string Describe(const Outcome& o, bool withMap) {
    std::ostringstream s;
    s << Verdict(o) << ": level " << o.StartLevel << ", seed " << o.Seed << ", phase " << o.Phase
      << ", " << o.Frames << " frames, " << o.LevelsFinished << " level(s) finished, now on level "
      << o.LevelNumber << "\n";
    if (!o.FatalMessage.empty()) s << "fatal: " << o.FatalMessage << "\n";
    s << "player (" << o.PlayerX << ", " << o.PlayerY << ") " << (o.Dead ? "dead" : "alive")
      << ", deaths " << o.Deaths << "; collected " << o.Collected << " of " << o.Needed
      << " needed, dug " << o.Dug << "; pickaxe " << YesNo(o.HasPickaxe) << ", tnt "
      << YesNo(o.HasTnt) << ", fuse " << o.TntFuse << "\n";
    for (const std::string& p : o.Problems) s << "problem: " << p << "\n";
    if (withMap) s << CroppedPictureOfMap(o.Map, o.PlayerX, o.PlayerY);
    return s.str();
}

}  // namespace replay
