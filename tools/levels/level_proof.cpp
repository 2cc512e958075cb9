// Levels proven by demos; see level_proof.h.
#include "tools/levels/level_proof.h"

#include "tools/levels/level_checks.h"
#include "tools/levels/level_files.h"
#include "world/level_file.h"
#include "world/level_source.h"

namespace levels {

namespace {

std::optional<std::string> WhyNot(const replay::Outcome& out, std::int32_t level) {
    if (!out.FatalMessage.empty()) return out.FatalMessage;
    const std::string frames =
        std::to_string(out.Frames) + (out.Frames == 1 ? " frame" : " frames");
    if (out.Finished && out.LevelNumber == level) return std::nullopt;
    if (out.Finished)
        return "finishes level " + std::to_string(out.LevelNumber) + ", not level " +
               std::to_string(level);
    if (out.Dead) return "the player dies (dead after " + frames + ")";
    return "does not reach the exit in " + frames;
}

class OneFileChecker {
  public:
    explicit OneFileChecker(const std::filesystem::path& levelFile) : levelFile_(levelFile) {}

    LevelFileCheck Run() {
        map_ = world::ReadLevelFile(levelFile_);
        if (!map_) {
            Fail(levelFile_, "cannot be read");
            return std::move(check_);
        }
        CheckSource();
        for (const std::string& problem : StairProblems(*map_, true)) Fail(levelFile_, problem);
        CheckDemo();
        return std::move(check_);
    }

  private:
    void Fail(const std::filesystem::path& path, const std::string& message) {
        check_.Failures.push_back(path.string() + ": " + message);
    }

    void CheckSource() {
        const std::filesystem::path path = world::SourceBeside(levelFile_);
        const std::optional<std::string> text = ReadTextFile(path);
        if (!text) return Fail(levelFile_, "no source " + path.string() + " beside it");
        std::string error;
        const std::optional<world::LevelSource> source = world::ParseLevelSource(*text, &error);
        if (!source) return Fail(path, error);
        if (source->Map.Cells != map_->Cells)
            Fail(levelFile_, "differs from its source " + path.string() + " (compile it again)");
    }

    void CheckDemo() {
        const std::filesystem::path path = world::DemoBeside(levelFile_);
        if (!std::filesystem::exists(path))
            return Fail(levelFile_, "not proven: no demo " + path.string() + " beside it");
        std::string error;
        const std::optional<demo::Demo> d = replay::LoadDemo(path.string(), &error);
        if (!d) return Fail(levelFile_, "not proven: " + error);
        replay::DemoRunOptions options;
        options.LevelFile = levelFile_;
        const std::optional<std::string> why = WhyNotProven(*d, d->Level, options, &check_.Frames);
        if (why) Fail(levelFile_, "not proven: " + path.string() + ": " + *why);
    }

    const std::filesystem::path levelFile_;
    std::optional<world::LevelMap> map_;
    LevelFileCheck check_;
};

}  // namespace

std::optional<std::string> WhyNotProven(const demo::Demo& demo, std::int32_t level,
                                        replay::DemoRunOptions options, std::int64_t* frames) {
    options.Trace = false;  // only the end matters, and the replay runs much faster without
    options.KeepDigests = false;
    const replay::Outcome out = replay::RunDemo(demo, options);
    if (frames) *frames = out.Frames;
    return WhyNot(out, level);
}

LevelFileCheck CheckLevelFile(const std::filesystem::path& levelFile) {
    return OneFileChecker(levelFile).Run();
}

}  // namespace levels
