// Level sources: what a designer writes is read cell for cell, what cannot be read is refused with
// the line that says it, and a level file survives decompiling and compiling unchanged.
#include <gtest/gtest.h>

#include <string>

#include "tools/levels/level_files.h"
#include "world/level_file.h"
#include "world/level_source.h"
#include "world/map_picture.h"

namespace levels {
namespace {

using world::ParseLevelSource;
using world::WriteLevelSource;

constexpr const char* Small =
    "# a comment before the header\n"
    "title:  The First Dig \n"
    "\n"
    "notes: Dig to the crystals.\n"
    "map:\n"
    "######\n"
    "#^.*v#\r\n"
    "#oc=x\n"
    "\n";

TEST(LevelSource, ReadsTheHeaderAndEveryCellOfThePicture) {
    std::string error;
    const auto source = ParseLevelSource(Small, &error);
    ASSERT_TRUE(source) << error;
    EXPECT_EQ(source->Title, "The First Dig");
    EXPECT_EQ(source->Notes, "Dig to the crystals.");
    const world::LevelMap& map = source->Map;
    EXPECT_EQ(map.At(1, 1), world::StairUp);
    EXPECT_EQ(map.At(3, 1), world::Crystal);
    EXPECT_EQ(map.At(4, 1), world::StairDown);  // the carriage return is no cell
    EXPECT_EQ(map.At(1, 2), world::Stone);
    EXPECT_EQ(map.At(2, 2), world::CrystalEarth);
    EXPECT_EQ(map.At(4, 2), world::DeadEarth);
    // Cells the picture does not reach: past a short line, below the last line.
    EXPECT_EQ(map.At(5, 2), world::Massive);
    EXPECT_EQ(map.At(63, 63), world::Massive);
    EXPECT_EQ(CountCells(map, world::Massive), 64 * 64 - 8);

    const auto bare = ParseLevelSource("title: Bare\nmap:\n^v");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->Notes, "");
}

std::string RefusalOf(const std::string& text) {
    std::string error;
    EXPECT_FALSE(ParseLevelSource(text, &error)) << text;
    return error;
}

TEST(LevelSource, RefusesWhatItCannotReadNamingTheLine) {
    const std::string header = "title: T\nnotes: N\nmap:\n";  // the picture starts on line 4
    EXPECT_EQ(RefusalOf(header + "#^v#\n#Q #\n"), "line 5: unknown cell 'Q' in column 2");
    EXPECT_EQ(RefusalOf(header + "\t^v\n"), "line 4: unknown cell '\t' in column 1");
    EXPECT_EQ(RefusalOf(header + "#^@v#\n"),
              "line 4: '@' in column 3: the player appears on the start stair '^'");
    EXPECT_EQ(RefusalOf(header + std::string(65, '#')), "line 4: more than 64 cells");
    std::string tall = header;
    for (int y = 0; y < 65; ++y) tall += "#\n";
    EXPECT_EQ(RefusalOf(tall), "line 68: the picture has more than 64 lines");

    EXPECT_EQ(RefusalOf("notes: N\nmap:\n^v\n"), "no 'title:' line before 'map:'");
    EXPECT_EQ(RefusalOf("title:   \nmap:\n^v\n"), "the title is empty");
    EXPECT_EQ(RefusalOf("title: T\n^v\n"),
              "line 2: cannot read '^v' (expected 'title:', 'notes:', a '#' comment or 'map:')");
    EXPECT_EQ(RefusalOf("title: T\n# map: in a comment\n"), "no 'map:' line");
    EXPECT_EQ(RefusalOf("title: T\ntitle: U\nmap:\n"), "line 2: a second 'title:' line");
}

TEST(LevelSource, TheLargestPictureFillsTheWholeMap) {
    std::string text = "title: Full\nmap:\n";
    for (int y = 0; y < 64; ++y) text += std::string(63, '.') + "^\n";
    const auto source = ParseLevelSource(text);
    ASSERT_TRUE(source);
    EXPECT_EQ(CountCells(source->Map, world::StairUp), 64);
    EXPECT_EQ(CountCells(source->Map, world::Massive), 0);
}

TEST(LevelSource, DecompilingAndCompilingGivesTheSameLevelFile) {
    const auto source = ParseLevelSource(Small);
    ASSERT_TRUE(source);
    const auto again = ParseLevelSource(WriteLevelSource(*source));
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Title, source->Title);
    EXPECT_EQ(again->Notes, source->Notes);
    EXPECT_EQ(again->Map.Cells, source->Map.Cells);

    // The level files in the tree, byte for byte.
    for (const auto& [n, path] : NumberedLevelFiles("lvl", ".dat")) {
        const auto text = ReadTextFile(path);
        ASSERT_TRUE(text) << path;
        const world::LevelMap map = world::ParseLevelText(*text);
        const auto decompiled = ParseLevelSource(WriteLevelSource({"Any", "", map}));
        ASSERT_TRUE(decompiled) << path;
        EXPECT_EQ(world::LevelFileText(decompiled->Map), *text) << path;
    }
}

}  // namespace
}  // namespace levels
