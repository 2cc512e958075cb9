// The shipped levels' checks; see level_checks.h.
#include "tools/levels/level_checks.h"

#include <cstdint>
#include <map>
#include <optional>
#include <set>

#include "tools/levels/level_files.h"
#include "tools/levels/level_proof.h"
#include "tools/replay/script.h"
#include "world/level_file.h"
#include "world/level_source.h"

namespace levels {

namespace {

using Files = std::map<std::int32_t, std::filesystem::path>;

class Checker {
  public:
    explicit Checker(const LevelFolders& folders)
        : folders_(folders),
          sources_(NumberedLevelFiles(folders.Sources, ".txt")),
          levelFiles_(NumberedLevelFiles(folders.LevelFiles, ".dat")),
          solutions_(NumberedLevelFiles(folders.Solutions, ".txt")),
          solutionDemos_(NumberedLevelFiles(folders.Solutions, ".demo")) {}

    std::vector<CheckFailure> Run() {
        for (const auto& [n, path] : levelFiles_) CheckLevelFile(n, path);
        for (const auto& [n, path] : sources_) CheckSource(n, path);
        for (const auto& [n, path] : solutions_) CheckSolution(n, path);
        for (const auto& [n, path] : solutionDemos_) CheckSolutionDemo(n, path);
        return std::move(failures_);
    }

  private:
    void Fail(const std::filesystem::path& path, const std::string& message) {
        failures_.push_back({false, path.string() + ": " + message});
    }

    void CheckLevelFile(std::int32_t n, const std::filesystem::path& path) {
        if (!sources_.contains(n))
            failures_.push_back({true, path.string() + ": no source Level" + std::to_string(n) +
                                           ".txt to compile it from"});
        // The epilogue has no exit: it cannot be finished, so nothing is to be proven.
        if (n <= LastLevel && !solutions_.contains(n) && !solutionDemos_.contains(n))
            Fail(path, "no solution proves it can be finished");
        if (n > EpilogueLevel)
            Fail(path, "the game has " + std::to_string(LastLevel) + " levels and an epilogue");
    }

    void CheckSource(std::int32_t n, const std::filesystem::path& path) {
        std::string error;
        const std::optional<std::string> text = ReadTextFile(path);
        const std::optional<world::LevelSource> source =
            text ? world::ParseLevelSource(*text, &error) : std::nullopt;
        if (!source) return Fail(path, text ? error : "cannot be read");
        CheckTitle(path, source->Title);
        CheckStairs(n, path, source->Map);
        const auto levelFile = levelFiles_.find(n);
        if (levelFile == levelFiles_.end()) return Fail(path, "not compiled: no level file");
        const std::optional<world::LevelMap> compiled =
            world::ReadLevelFile(levelFile->second.string());
        if (!compiled || compiled->Cells != source->Map.Cells)
            Fail(levelFile->second, "differs from its source (compile it again)");
    }

    void CheckTitle(const std::filesystem::path& path, const std::string& title) {
        const auto [earlier, isNew] = titles_.emplace(title, path);
        if (!isNew) Fail(path, "the title '" + title + "' is taken by " + earlier->second.string());
    }

    void CheckStairs(std::int32_t n, const std::filesystem::path& path,
                     const world::LevelMap& map) {
        for (const std::string& problem : StairProblems(map, n <= LastLevel)) Fail(path, problem);
    }

    void CheckSolution(std::int32_t n, const std::filesystem::path& path) {
        std::string error;
        const std::optional<std::string> text = ReadTextFile(path);
        const std::optional<replay::Script> script =
            text ? replay::ParseScript(*text, &error) : std::nullopt;
        if (!script) return Fail(path, text ? error : "cannot be read");
        if (script->Level.value_or(1) != n)
            Fail(path, "starts on level " + std::to_string(script->Level.value_or(1)) +
                           " (a 'level " + std::to_string(n) + "' line is missing)");
        if (!levelFiles_.contains(n)) Fail(path, "solves a level that has no level file");
    }

    // A demo solution is replayed: unlike a script, it was recorded against a map, and only
    // playing it tells whether the map still lets it through.
    void CheckSolutionDemo(std::int32_t n, const std::filesystem::path& path) {
        std::string error;
        const std::optional<demo::Demo> d = replay::LoadDemo(path.string(), &error);
        if (!d) return failures_.push_back({false, error});
        if (d->Level != n)
            return Fail(path, "starts on level " + std::to_string(d->Level) + ", not on level " +
                                  std::to_string(n));
        if (!levelFiles_.contains(n)) return Fail(path, "solves a level that has no level file");
        replay::DemoRunOptions options;
        options.Levels = folders_.LevelFiles;
        if (const auto why = WhyNotProven(*d, n, options)) Fail(path, *why);
    }

    const LevelFolders folders_;
    Files sources_;
    Files levelFiles_;
    Files solutions_;
    Files solutionDemos_;
    std::map<std::string, std::filesystem::path> titles_;
    std::vector<CheckFailure> failures_;
};

}  // namespace

std::vector<std::string> StairProblems(const world::LevelMap& map, bool needsExit) {
    std::vector<std::string> problems;
    const std::int32_t starts = CountCells(map, world::StairUp);
    if (starts != 1)
        problems.push_back(std::to_string(starts) + " start stairs '^' (a level has exactly one)");
    if (needsExit && CountCells(map, world::StairDown) == 0) problems.push_back("no exit 'v'");
    return problems;
}

std::vector<CheckFailure> CheckLevels(const LevelFolders& folders) {
    return Checker(folders).Run();
}

}  // namespace levels
