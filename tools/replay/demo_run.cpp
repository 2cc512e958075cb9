// Playing demos headless; see demo_run.h. Calling thread.
#include "tools/replay/demo_run.h"

#include "app/demo_recorder.h"
#include "app/session.h"
#include "tools/replay/run_support.h"

namespace replay {

namespace {

world::LevelFolder FolderOf(const demo::Demo& d, const DemoRunOptions& options) {
    if (options.LevelFile) return world::LevelFolder::OneFile(*options.LevelFile, d.Level);
    return world::LevelFolder(options.Levels);
}

class DemoRunner {
  public:
    DemoRunner(const demo::Demo& d, const DemoRunOptions& options, Outcome& out,
               FrameSounds& sounds)
        : demo_(d),
          keepDigests_(options.KeepDigests),
          trace_(options.Trace || options.KeepDigests),
          out_(out),
          sounds_(sounds),
          session_(FolderOf(d, options), 0) {}

    // False when the level cannot be read.
    bool Start() {
        demo::ApplyCarried(demo_.State, session_.Game());
        if (demo_.Entry == demo::Entry::Start) {
            session_.Start(demo_.Level);
        } else {
            session_.Game().LevelNumber = demo_.Level - 1;
            session_.NextLevel();
        }
        return !Ended();
    }

    void Play() {
        const auto& steps = demo_.Steps;
        for (next_ = 0; next_ < steps.size() && !Ended();) {
            const demo::Step& step = steps[next_++];
            if (step.What == demo::Step::Kind::NextLevel) {
                out_.Problems.push_back("next, but no level was finished");
                return;
            }
            for (std::int64_t f = 0; f < step.Frames && !Ended(); ++f)
                Frame(step.Input, f + 1 == step.Frames);
        }
        if (next_ < steps.size() || frameLeft_)
            out_.Problems.push_back("frames after the level finished were not played");
    }

    void Report() { ReportEnd(session_, out_); }

  private:
    bool Ended() const { return out_.Finished || session_.Screen() == app::Screen::Error; }

    // One frame; a frame that finishes its level goes on in the next when the demo says so.
    void Frame(const world::FrameInput& input, bool lastOfStep) {
        const bool wasDead = session_.Game().Player.Dead;
        ++out_.Frames;
        session_.Step(input);
        if (session_.Screen() == app::Screen::LevelComplete) LevelComplete(lastOfStep);
        if (Ended()) return;
        if (!wasDead && session_.Game().Player.Dead) ++out_.Deaths;
        if (!trace_) return sounds_.clear();
        const std::uint64_t digest = DigestFrame(session_.Game(), sounds_);
        sounds_.clear();
        out_.Trace.Add(digest);
        if (keepDigests_) out_.FrameDigests.push_back(digest);
    }

    void LevelComplete(bool lastOfStep) {
        ++out_.LevelsFinished;
        const auto& steps = demo_.Steps;
        if (lastOfStep && next_ < steps.size() &&
            steps[next_].What == demo::Step::Kind::NextLevel) {
            ++next_;
            session_.NextLevel();
            return;
        }
        out_.Finished = true;
        frameLeft_ = !lastOfStep;
    }

    const demo::Demo& demo_;
    const bool keepDigests_;
    const bool trace_;
    Outcome& out_;
    FrameSounds& sounds_;
    app::Session session_;
    std::size_t next_ = 0;    // the step after the one being played
    bool frameLeft_ = false;  // the level finished before the step's last frame
};

std::optional<demo::Demo> ScriptedSolution(const std::string& path, std::int32_t level,
                                           std::string& why) {
    std::optional<Script> script;
    if (const std::optional<std::string> text = demo::ReadDemoFile(path, &why))
        script = ParseScript(*text, &why);
    if (!script) return std::nullopt;
    RunOptions options;
    options.Level = level;
    std::optional<demo::Demo> d = DemoOfScript(*script, options);
    if (!d) why = "its level cannot be read";
    return d;
}

}  // namespace

Outcome RunDemo(const demo::Demo& d, const DemoRunOptions& options) {
    Outcome out;
    out.StartLevel = d.Level;
    out.LevelNumber = d.Level;
    Environment environment(out);
    DemoRunner runner(d, options, out, environment.Sounds);
    if (runner.Start()) runner.Play();
    runner.Report();
    return out;
}

std::optional<demo::Demo> DemoOfScript(const Script& script, const RunOptions& options) {
    app::DemoRecorder recorder;
    RunOptions recording = options;
    recording.Record = &recorder;
    Run(script, recording);
    return recorder.Demo();
}

std::optional<demo::Demo> SolutionDemo(std::int32_t level, std::string* error) {
    const std::string stem = "levels/solutions/Level" + std::to_string(level);
    std::string why;
    std::optional<demo::Demo> d;
    if (!std::filesystem::exists(stem + ".txt") && std::filesystem::exists(stem + ".demo")) {
        d = LoadDemo(stem + ".demo", &why);
        if (d && d->Level != level) {
            why = stem + ".demo starts on level " + std::to_string(d->Level);
            d.reset();
        }
    } else {
        d = ScriptedSolution(stem + ".txt", level, why);
    }
    if (!d && error) *error = "no solution of level " + std::to_string(level) + ": " + why;
    return d;
}

std::optional<demo::Demo> LoadDemo(const std::string& path, std::string* error) {
    std::string why;
    const std::optional<std::string> text = demo::ReadDemoFile(path, &why);
    std::optional<demo::Demo> d;
    if (text) d = demo::ParseDemo(*text, &why);
    if (!d && error) *error = text ? path + ": " + why : why;
    return d;
}

}  // namespace replay
