// The shipped levels' checks: a tree of sound levels passes, each kind of fault is reported with
// the file it is in, and the levels in this repository pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/tools/levels/level_tool_support.h"
#include "tools/levels/level_checks.h"
#include "world/level_source.h"
#include "world/map_picture.h"

namespace levels {
namespace {

using world::ParseLevelSource;
using world::WriteLevelSource;

using test::ScratchLevels;

std::string SourceText(const std::string& title, const std::string& picture) {
    return "title: " + title + "\nnotes: A test level.\nmap:\n" + picture;
}

// Level n with its source, its compiled file and a solution (never played here).
void AddLevel(const ScratchLevels& tree, int n, const std::string& title,
              const std::string& picture = "#####\n#^*v#\n#####\n") {
    const std::string source = SourceText(title, picture);
    tree.Write(tree.Source(n), source);
    tree.Write(tree.LevelFile(n), world::LevelFileText(ParseLevelSource(source)->Map));
    tree.Write(tree.Solution(n),
               "# Level " + std::to_string(n) + "\nlevel " + std::to_string(n) + "\nwalk rr\n");
}

std::vector<std::string> Messages(const std::vector<CheckFailure>& failures) {
    std::vector<std::string> messages;
    for (const CheckFailure& failure : failures) messages.push_back(failure.Message);
    return messages;
}

// The one failure the tree has, with the scratch folder cut from its file name.
std::string OnlyFailure(const ScratchLevels& tree) {
    const std::vector<CheckFailure> failures = CheckLevels(tree.Folders());
    EXPECT_EQ(failures.size(), 1u) << ::testing::PrintToString(Messages(failures));
    if (failures.empty()) return "";
    const std::string& message = failures.front().Message;
    const std::string root = tree.Folders().LevelFiles.parent_path().string() + "/";
    return message.starts_with(root) ? message.substr(root.size()) : message;
}

TEST(LevelChecks, SoundLevelsPass) {
    ScratchLevels tree;
    AddLevel(tree, 1, "One");
    AddLevel(tree, 2, "Two");
    // The epilogue needs no exit, and with none it cannot have a solution either.
    AddLevel(tree, 51, "Epilogue", "####\n#^ #\n####\n");
    std::filesystem::remove(tree.Solution(51));
    tree.Write(tree.Folders().Sources / "README.md", "not a level");
    EXPECT_EQ(Messages(CheckLevels(tree.Folders())), std::vector<std::string>{});
}

TEST(LevelChecks, ReportsEachFaultWithItsFile) {
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One");
        tree.Write(tree.Source(1), SourceText("One", "#####\n#^ v#\n#####\n"));
        EXPECT_EQ(OnlyFailure(tree), "lvl/Level1.dat: differs from its source (compile it again)");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One", "#######\n#^*v ^#\n#######\n");
        EXPECT_EQ(OnlyFailure(tree),
                  "levels/Level1.txt: 2 start stairs '^' (a level has exactly one)");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 50, "Fifty", "####\n#^*#\n####\n");
        EXPECT_EQ(OnlyFailure(tree), "levels/Level50.txt: no exit 'v'");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "Twins");
        AddLevel(tree, 2, "Twins");
        EXPECT_EQ(OnlyFailure(tree),
                  "levels/Level2.txt: the title 'Twins' is taken by " + tree.Source(1).string());
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One");
        tree.Write(tree.Source(1), "title: One\n#####\n#^*v#\n#####\n");  // comments only
        EXPECT_EQ(OnlyFailure(tree), "levels/Level1.txt: no 'map:' line");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One");
        std::filesystem::remove(tree.LevelFile(1));
        EXPECT_EQ(CheckLevels(tree.Folders()).size(), 2u);  // no level file, nothing to solve
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 52, "Beyond");
        EXPECT_EQ(OnlyFailure(tree), "lvl/Level52.dat: the game has 50 levels and an epilogue");
    }
}

TEST(LevelChecks, ReportsSolutionsThatDoNotFitTheirLevel) {
    {
        ScratchLevels tree;
        AddLevel(tree, 3, "Three");
        tree.Write(tree.Solution(3), "level 2\nwalk r\n");
        EXPECT_EQ(OnlyFailure(tree),
                  "levels/solutions/Level3.txt: starts on level 2 (a 'level 3' line is missing)");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One");
        tree.Write(tree.Solution(1), "walk q\n");
        EXPECT_EQ(OnlyFailure(tree).substr(0, 36), "levels/solutions/Level1.txt: line 1:");
    }
    {
        ScratchLevels tree;
        AddLevel(tree, 1, "One");
        std::filesystem::remove(tree.Solution(1));
        EXPECT_EQ(OnlyFailure(tree), "lvl/Level1.dat: no solution proves it can be finished");
    }
}

TEST(LevelChecks, ALevelFileWithoutASourceIsToldApart) {
    ScratchLevels tree;
    AddLevel(tree, 1, "One");
    std::filesystem::remove(tree.Source(1));
    const std::vector<CheckFailure> failures = CheckLevels(tree.Folders());
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_TRUE(failures.front().MissingSource);
}

// The levels of this repository (run from its root). Every level file must be compiled from a
// source in levels/; the two expectations are kept apart so a level file still waiting for its
// source shows up as exactly that.
TEST(ShippedLevelChecks, EveryLevelPassesTheChecks) {
    for (const CheckFailure& failure : CheckLevels({}))
        EXPECT_TRUE(failure.MissingSource) << failure.Message;
}

TEST(ShippedLevelChecks, EveryLevelFileHasASource) {
    for (const CheckFailure& failure : CheckLevels({}))
        EXPECT_FALSE(failure.MissingSource) << failure.Message;
}

}  // namespace
}  // namespace levels
