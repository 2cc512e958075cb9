// The level tool: compiles level sources into level files and back, checks the shipped levels,
// draws a level as a picture and writes the level index. Run it from the repository root (the
// folder that holds res/, lvl/ and levels/). Single-threaded.
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "presentation/screen_testing.h"
#include "tools/levels/level_checks.h"
#include "tools/levels/level_files.h"
#include "tools/levels/level_index.h"
#include "tools/levels/level_picture.h"
#include "tools/levels/level_proof.h"
#include "tools/levels/png_writer.h"
#include "world/level_file.h"
#include "world/level_source.h"
#include "world/map_picture.h"

namespace {

constexpr const char* Usage =
    "usage: levels compile SOURCE LEVELFILE\n"
    "       levels decompile LEVELFILE [TITLE]\n"
    "       levels check [LEVELS_DIR LVL_DIR SOLUTIONS_DIR]\n"
    "       levels check LEVELFILE\n"
    "       levels render LEVELFILE PNGFILE\n"
    "       levels index [INDEXFILE]\n"
    "compile writes the level file of a source (title:, notes:, map: and the picture);\n"
    "decompile prints a source for a level file; check compiles every source and compares it\n"
    "with its level file, and checks the stairs, titles and solutions of every level\n"
    "(defaults levels, lvl, levels/solutions); check LEVELFILE checks a level made outside\n"
    "lvl/: its source beside it (NAME.txt) compiles to it, its stairs, and its demo beside it\n"
    "(NAME.demo) finishes it; render draws the whole map, 16 pixels a cell;\n"
    "index writes the level index (default docs/levels.md), whose pictures are in the folder\n"
    "levels/ beside it. Run it from the repository root. The status is 0 on success, 1 when\n"
    "a check or a file fails, 2 for a bad command line.\n";

using Arguments = std::vector<std::string>;

int Fail(const std::string& message) {
    std::fprintf(stderr, "levels: %s\n", message.c_str());
    return 1;
}

int Compile(const Arguments& args) {
    const std::optional<std::string> text = levels::ReadTextFile(args[0]);
    if (!text) return Fail("cannot read " + args[0]);
    std::string error;
    const std::optional<world::LevelSource> source = world::ParseLevelSource(*text, &error);
    if (!source) return Fail(args[0] + ": " + error);
    if (!levels::WriteTextFile(args[1], world::LevelFileText(source->Map)))
        return Fail("cannot write " + args[1]);
    return 0;
}

// A cell code outside the legend would print as '?', which no source can say.
std::optional<std::string> UnwritableCell(const world::LevelMap& map) {
    for (std::int32_t x = 0; x < world::MapSize; ++x)
        for (std::int32_t y = 0; y < world::MapSize; ++y)
            if (world::CellSymbol(map.At(x, y)) == '?')
                return "cell (" + std::to_string(x) + ", " + std::to_string(y) + ") holds code " +
                       std::to_string(world::CodeOf(map.At(x, y))) +
                       ", which no source character stands for";
    return std::nullopt;
}

int Decompile(const Arguments& args) {
    const std::optional<world::LevelMap> map = world::ReadLevelFile(args[0]);
    if (!map) return Fail("cannot read " + args[0]);
    if (const auto problem = UnwritableCell(*map)) return Fail(args[0] + ": " + *problem);
    const std::string title =
        args.size() > 1 ? args[1] : std::filesystem::path(args[0]).stem().string();
    std::fputs(world::WriteLevelSource({title, "", *map}).c_str(), stdout);
    return 0;
}

int CheckOneFile(const std::string& levelFile) {
    const levels::LevelFileCheck check = levels::CheckLevelFile(levelFile);
    for (const std::string& failure : check.Failures) std::printf("%s\n", failure.c_str());
    if (!check.Failures.empty()) return 1;
    std::printf("%s: proven (finished in %lld frames)\n", levelFile.c_str(),
                static_cast<long long>(check.Frames));
    return 0;
}

int Check(const Arguments& args) {
    if (args.size() == 1) return CheckOneFile(args[0]);
    levels::LevelFolders folders;
    if (args.size() == 3) folders = {args[0], args[1], args[2]};
    const std::vector<levels::CheckFailure> failures = levels::CheckLevels(folders);
    for (const levels::CheckFailure& failure : failures)
        std::printf("%s\n", failure.Message.c_str());
    return failures.empty() ? 0 : 1;
}

int Render(const Arguments& args) {
    const std::optional<world::LevelMap> map = world::ReadLevelFile(args[0]);
    if (!map) return Fail("cannot read " + args[0]);
    presentation::testing::OpenMemoryScreen(1024, 768);  // the image loader needs a screen
    std::string error;
    const std::optional<levels::LevelPainter> painter = levels::LevelPainter::Load(&error);
    presentation::CloseScreen();
    if (!painter) return Fail(error);
    const levels::LevelPicture picture = painter->Paint(*map);
    const std::string png = levels::EncodePng(picture.Width, picture.Height, picture.Pixels);
    if (png.empty() || !levels::WriteTextFile(args[1], png)) return Fail("cannot write " + args[1]);
    return 0;
}

int Index(const Arguments& args) {
    const std::string path = args.empty() ? "docs/levels.md" : args[0];
    const std::vector<levels::IndexEntry> entries = levels::CollectIndex({});
    if (!levels::WriteTextFile(path, levels::IndexText(entries, "levels")))
        return Fail("cannot write " + path);
    return 0;
}

struct Command {
    const char* Name;
    std::size_t MinArguments;
    std::size_t MaxArguments;
    int (*Run)(const Arguments&);
};

constexpr Command Commands[] = {
    {"compile", 2, 2, Compile}, {"decompile", 1, 2, Decompile}, {"check", 0, 3, Check},
    {"render", 2, 2, Render},   {"index", 0, 1, Index},
};

}  // namespace

int main(int argc, char** argv) {
    const std::string name = argc > 1 ? argv[1] : "";
    const Arguments args(argv + std::min(argc, 2), argv + argc);
    for (const Command& command : Commands) {
        if (name != command.Name) continue;
        const bool fits = args.size() >= command.MinArguments &&
                          args.size() <= command.MaxArguments &&
                          (name != "check" || args.size() != 2);
        if (fits) return command.Run(args);
    }
    std::fputs(Usage, stderr);
    return 2;
}
