// Playing replay scripts headless; see harness.h. Calling thread.
#include "tools/replay/harness.h"

#include <algorithm>
#include <memory>
#include <sstream>
#include <utility>

#include "app/flags.h"
#include "app/sound.h"
#include "gui/program_end.h"
#include "presentation/screen_services.h"
#include "presentation/screen_testing.h"
#include "tools/replay/map_picture.h"
#include "world/game_step.h"
#include "world/level_file.h"
#include "world/report_error.h"

namespace replay {

namespace {

namespace pt = presentation::testing;

constexpr std::int32_t ScreenWidth = 1024;
constexpr std::int32_t ScreenHeight = 768;
// A dialog still open after this many of its frames with the button pressed is stuck.
constexpr int MostDialogFrames = 100;

struct StoppedAtDialog {};  // the script has no "nextlvl" for the dialog that opened
struct ProgramEnded {       // the game would have ended the process
    int Status;
};
struct Stuck {
    std::string Message;
};

// Everything a run changes outside itself, put back when it ends.
class Environment {
  public:
    explicit Environment(Outcome& out) {
        pt::OpenMemoryScreen(ScreenWidth, ScreenHeight);
        app::ResetFlags();
        sound_ = app::SetSoundCalls({nullptr,
                                     [this, &out](std::string_view alias) {
                                         ++out.SoundsPlayed[std::string(alias)];
                                         if (IsWorldSound(alias)) Sounds.emplace_back(alias);
                                     },
                                     nullptr});
        runner_ = world::SetErrorWindowRunner(
            [&out](const std::vector<std::string>& args) { out.FatalMessage = args.back(); });
        exit_ = gui::SetExitHandler([](int status) { throw ProgramEnded{status}; });
    }
    ~Environment() {
        gui::SetExitHandler(std::move(exit_));
        world::SetErrorWindowRunner(std::move(runner_));
        app::SetSoundCalls(std::move(sound_));
        app::ResetFlags();
        presentation::CloseScreen();
    }
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    replay::FrameSounds Sounds;  // the world sounds of the frame being played

  private:
    app::SoundCalls sound_;
    world::ErrorWindowRunner runner_;
    gui::ExitHandler exit_;
};

class Runner {
  public:
    Runner(const Script& script, const RunOptions& options, Outcome& out, FrameSounds& sounds)
        : commands_(script.Commands),
          phase_(std::max(options.Phase, 0)),
          keepDigests_(options.KeepDigests),
          out_(out),
          sounds_(sounds) {}

    void Start() {
        presentation::SeedRandom(out_.Seed);
        game_ = world::InitGame();
        game_->LevelNumber = out_.StartLevel;
        world::LoadLevel(*game_);
        world::FindStart(*game_);
        for (std::int32_t& timer : game_->ColumnTimers) timer = phase_ % game_->FallDelay;
        game_->LeakTimer = phase_ % (game_->LeakDelay + 1);
        FindButton();
        pt::SetSleepHook([this] { OnSleep(); });
    }

    void Play() {
        for (current_ = 0; current_ < commands_.size(); current_ = resume_) {
            resume_ = current_ + 1;
            PlayCommand(commands_[current_]);
        }
    }

    void Report() {
        if (!game_) return;
        const world::GameState& g = *game_;
        out_.LevelNumber = g.LevelNumber;
        out_.Dead = g.Player.Dead != 0;
        out_.Map = g.Map;
        out_.PlayerX = g.Player.X;
        out_.PlayerY = g.Player.Y;
        out_.Collected = g.CollectedPanel.Value;
        out_.Needed = g.NeededPanel.Value;
        out_.Dug = g.DugPanel.Value;
        out_.HasPickaxe = g.Player.HasPickaxe != 0;
        out_.HasTnt = g.Player.HasTnt != 0;
        out_.TntFuse = g.TntFuse;
        out_.Trace.Final = DigestFrame(g, {});
    }

  private:
    // "respawn" and "nextlvl" share the place and the pictures; press the middle of them.
    void FindButton() {
        const gui::Button* b = game_->Player.RespawnGui.GetButton(1);
        if (!b || b->Width < 3 || b->Height < 3) return;
        buttonX_ = b->X + b->Width / 2;
        buttonY_ = b->Y + b->Height / 2;
    }
    void PressButton() { pt::SetMouse(buttonX_, buttonY_, 1); }
    static void ReleaseMouse() { pt::SetPointerInside(false); }

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
        for (std::int64_t f = 0; f < c.Frames; ++f) {
            if (PlayFrame(c.Keys)) break;  // the rest of the line is dropped
        }
        pt::ReleaseAllKeys();
    }

    void Respawn(const Command& c) {
        if (game_->Player.Dead == 0) Problem(c, "respawn, but the player is alive");
        PressButton();
        PlayFrame({});
        ReleaseMouse();
    }

    // One frame with exactly these keys held. After a frame that went through the level-complete
    // dialog, one more frame passes with nothing held, as a player lets go of the keys to click
    // "nextlvl"; true then.
    bool PlayFrame(const std::vector<int>& keys) {
        pt::ReleaseAllKeys();
        for (int key : keys) pt::PressKey(key);
        Frame();
        if (!std::exchange(dialogPassed_, false)) return false;
        pt::ReleaseAllKeys();
        Frame();
        dialogPassed_ = false;
        return true;
    }

    // One iteration of the play loop as far as the world sees it.
    void Frame() {
        const bool wasDead = game_->Player.Dead != 0;
        dialogFrames_ = 0;
        ++out_.Frames;
        world::GameStep(*game_);
        if (!wasDead && game_->Player.Dead != 0) ++out_.Deaths;
        app::ProgramFlags& flags = app::Flags();
        if (flags.RespawnRequested == 1) {
            flags.RespawnRequested = 0;
            world::RestartLevel(*game_);
        }
        const std::uint64_t digest = DigestFrame(*game_, sounds_);
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

    // Only the level-complete dialog sleeps inside GameStep: each of its frames ends here.
    void OnSleep() {
        if (app::Flags().NextLevelRequested == 1) return ReleaseMouse();  // the dialog ends
        if (++dialogFrames_ > 1) {
            if (dialogFrames_ > MostDialogFrames)
                throw Stuck{"the \"nextlvl\" button could not be pressed (is res\\ missing?)"};
            return;
        }
        ++out_.LevelsFinished;
        // A second dialog within one command (a next level that starts on its open exit) looks
        // past the "nextlvl" the first one took.
        const std::size_t next = std::max(NextLineStart(current_), resume_);
        if (next >= commands_.size() || commands_[next].What != Command::Kind::NextLevel)
            throw StoppedAtDialog{};
        resume_ = next + 1;
        dialogPassed_ = true;
        PressButton();
    }

    const std::vector<Command>& commands_;
    const std::int32_t phase_;
    const bool keepDigests_;
    Outcome& out_;
    FrameSounds& sounds_;
    std::unique_ptr<world::GameState> game_;
    std::size_t current_ = 0;    // the command being played
    std::size_t resume_ = 0;     // the command played after it
    bool dialogPassed_ = false;  // this frame went through a level-complete dialog
    int dialogFrames_ = 0;       // frames of the dialog open in this frame
    std::int32_t buttonX_ = -1;  // the middle of "respawn" / "nextlvl"
    std::int32_t buttonY_ = -1;
};

void PlayScript(Runner& runner, Outcome& out) {
    try {
        runner.Start();
        runner.Play();
    } catch (const StoppedAtDialog&) {
        out.Finished = true;
    } catch (const ProgramEnded& e) {
        if (out.FatalMessage.empty())
            out.FatalMessage = "the program ended with status " + std::to_string(e.Status);
    } catch (const Stuck& e) {
        out.Problems.push_back(e.Message);
    }
}

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
    PlayScript(runner, out);
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
