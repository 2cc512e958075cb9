// The level index; see level_index.h.
#include "tools/levels/level_index.h"

#include <algorithm>
#include <cstdio>

#include "app/level_codes.h"
#include "tools/levels/level_files.h"
#include "tools/levels/level_proof.h"
#include "tools/replay/harness.h"
#include "world/level_file.h"
#include "world/level_source.h"
#include "world/map_picture.h"

namespace levels {

namespace {

constexpr double FramesPerSecond = 60.0;

constexpr const char* Guide = R"(# Levels

Every level the game ships, in the order it is played. This file and the pictures in
`docs/levels/` are written by `tools/regen-levels.sh`; edit the level sources, not this file.

**Playing a level from the menu.** Type the level's code into the *Levelcode* box of the main
menu (exactly as shown, capitals included) and press *Play game*. The level-complete dialog shows
the code of the level that follows; after the last level it shows `THEEND`.

**Editing a level.** A level's source is `levels/LevelN.txt`: a `title:` line, an optional
`notes:` line and `# comments`, then `map:` and the map drawn one character per cell (the legend
is in `tools/replay/README.md`; cells the picture does not reach are massive walls). Then, from
the repository root:

1. `build/tools/levels/levels compile levels/LevelN.txt lvl/LevelN.dat`
2. `build/tools/replay/replay --robust levels/solutions/LevelN.txt` must print `finished` with
   `deaths 0` for all five trials (adjust the solution when the map changed);
3. `bash tools/regen-levels.sh` redraws the pictures and rewrites this index;
4. `build/tools/levels/levels check` confirms that sources, level files and solutions agree.

*Needed* counts the ordinary crystals (loose and in earth) that open the exit; bonus crystals are
extra. The solution's length is the replayed solution's frames at 60 frames a second.
)";

std::optional<std::int64_t> ScriptFrames(const std::filesystem::path& path,
                                         const LevelFolders& folders) {
    const std::optional<std::string> text = ReadTextFile(path);
    const std::optional<replay::Script> script = text ? replay::ParseScript(*text) : std::nullopt;
    if (!script) return std::nullopt;
    replay::RunOptions options;
    options.Levels = folders.LevelFiles;
    const replay::Outcome outcome = replay::Run(*script, options);
    if (!outcome.Finished || outcome.Deaths > 0) return std::nullopt;
    return outcome.Frames;
}

std::optional<std::int64_t> DemoFrames(const std::filesystem::path& path, std::int32_t n,
                                       const LevelFolders& folders) {
    const std::optional<demo::Demo> d = replay::LoadDemo(path.string(), nullptr);
    if (!d || d->Level != n) return std::nullopt;
    replay::DemoRunOptions options;
    options.Levels = folders.LevelFiles;
    std::int64_t frames = 0;
    if (WhyNotProven(*d, n, options, &frames)) return std::nullopt;
    return frames;
}

// A solution script, or else a solution demo.
void DescribeSolution(std::int32_t n, const LevelFolders& folders, IndexEntry& entry) {
    const std::filesystem::path script = folders.Solutions / ("Level" + std::to_string(n) + ".txt");
    const std::filesystem::path demo = folders.Solutions / ("Level" + std::to_string(n) + ".demo");
    if (std::filesystem::exists(script)) {
        entry.HasSolution = true;
        entry.SolutionFrames = ScriptFrames(script, folders);
    } else if (std::filesystem::exists(demo)) {
        entry.HasSolution = true;
        entry.SolutionFrames = DemoFrames(demo, n, folders);
    }
}

void MeasureCave(const world::LevelMap& map, IndexEntry& entry) {
    const std::string picture = world::CroppedPictureOfMap(map);
    entry.Width = static_cast<std::int32_t>(picture.find('\n'));
    entry.Height = static_cast<std::int32_t>(std::count(picture.begin(), picture.end(), '\n'));
}

IndexEntry Describe(std::int32_t n, const world::LevelMap& map, const LevelFolders& folders,
                    const app::LevelCodeTable& codes) {
    IndexEntry entry;
    entry.Number = n;
    entry.Code = std::string(codes.Code(n));
    entry.Needed = world::CountNeeded(map);
    entry.Bonus = CountCells(map, world::BCrystal) + CountCells(map, world::BCrystalEarth);
    MeasureCave(map, entry);
    const std::string name = "Level" + std::to_string(n) + ".txt";
    if (const auto text = ReadTextFile(folders.Sources / name)) {
        if (const auto source = world::ParseLevelSource(*text)) {
            entry.Title = source->Title;
            entry.Notes = source->Notes;
        }
    }
    DescribeSolution(n, folders, entry);
    return entry;
}

std::string SolutionText(const IndexEntry& entry) {
    if (!entry.HasSolution) return entry.Number > LastLevel ? "none (no exit)" : "none yet";
    if (!entry.SolutionFrames) return "does not finish the level";
    char text[64];
    std::snprintf(text, sizeof text, "%lld frames (%.1f s)",
                  static_cast<long long>(*entry.SolutionFrames),
                  static_cast<double>(*entry.SolutionFrames) / FramesPerSecond);
    return text;
}

std::string Section(const IndexEntry& entry, const std::string& picturesFolder) {
    const std::string n = std::to_string(entry.Number);
    const std::string title = entry.Title.empty() ? "(no source yet)" : entry.Title;
    std::string text = "\n## Level " + n + ": " + title + "\n\n";
    if (!entry.Notes.empty()) text += entry.Notes + "\n\n";
    text += "| Code | Needed | Bonus | Cave | Solution |\n|---|---|---|---|---|\n";
    text +=
        "| " + (entry.Code.empty() ? std::string("(epilogue, no code)") : "`" + entry.Code + "`");
    text += " | " + std::to_string(entry.Needed) + " | " + std::to_string(entry.Bonus) + " | " +
            std::to_string(entry.Width) + " x " + std::to_string(entry.Height) + " | " +
            SolutionText(entry) + " |\n\n";
    return text + "![Level " + n + "](" + picturesFolder + "/Level" + n + ".png)\n";
}

}  // namespace

std::vector<IndexEntry> CollectIndex(const LevelFolders& folders) {
    const app::LevelCodeTable codes;
    std::vector<IndexEntry> entries;
    for (const auto& [n, path] : NumberedLevelFiles(folders.LevelFiles, ".dat")) {
        if (const auto map = world::ReadLevelFile(path.string()))
            entries.push_back(Describe(n, *map, folders, codes));
    }
    return entries;
}

std::string IndexText(const std::vector<IndexEntry>& entries, const std::string& picturesFolder) {
    std::string text = Guide;
    for (const IndexEntry& entry : entries) text += Section(entry, picturesFolder);
    return text;
}

}  // namespace levels
