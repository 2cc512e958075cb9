// Levels proven by demos: a level file made outside lvl/ passes with its source and a demo that
// finishes it, each shortfall is reported, and solution demos are replayed against their level.
#include <gtest/gtest.h>

#include "tests/tools/levels/level_tool_support.h"
#include "tools/levels/level_index.h"
#include "tools/levels/level_proof.h"
#include "world/level_file.h"
#include "world/level_source.h"
#include "world/map_picture.h"

namespace levels {
namespace {

using Messages = std::vector<std::string>;
using Path = std::filesystem::path;
constexpr const char* Cave = "#####\n#^*v#\n#####\n";  // "walk rr" finishes it in 3 frames

std::string SourceOf(const std::string& picture) {
    return "title: Castle\nmap:\n" + picture;
}

// Writes the level file of the picture and, unless told not to, its source beside it.
void Draw(const Path& file, const std::string& picture, bool withSource = true) {
    const world::LevelMap map = world::ParseLevelSource(SourceOf(picture))->Map;
    WriteTextFile(file, world::LevelFileText(map));
    if (withSource) WriteTextFile(world::SourceBeside(file), SourceOf(picture));
}

// The demo of the script's run on the picture, played as level n of the tree's lvl/.
demo::Demo Recorded(const test::ScratchLevels& tree, const std::string& picture,
                    const std::string& script, int n = 1) {
    Draw(tree.LevelFile(n), picture, false);
    replay::RunOptions options;
    options.Level = n;
    options.Levels = tree.Folders().LevelFiles;
    return *replay::DemoOfScript(*replay::ParseScript(script), options);
}

// castle.dat made outside lvl/ with its source and demo beside it; `change` edits the files, then
// the failures are told with the scratch folder cut from them (or the frames of the proof).
Messages Failures(const std::string& picture, const std::string& script,
                  void (*change)(const Path&) = nullptr) {
    test::ScratchLevels tree;
    const Path file = tree.Root() / "castle.dat";
    WriteTextFile(world::DemoBeside(file), demo::DemoText(Recorded(tree, picture, script)));
    Draw(file, picture);
    if (change) change(file);
    const LevelFileCheck check = CheckLevelFile(file);
    Messages failures = check.Failures;
    if (failures.empty()) failures.push_back("proven in " + std::to_string(check.Frames));
    const std::string root = tree.Root().string() + "/";
    for (std::string& failure : failures)
        for (std::size_t at; (at = failure.find(root)) != std::string::npos;)
            failure.erase(at, root.size());
    return failures;
}

TEST(LevelProof, EachShortfallOfALevelMadeOutsideTheCampaignIsReported) {
    const std::string notProven = "castle.dat: not proven: ";
    EXPECT_EQ(Failures(Cave, "walk rr"), Messages{"proven in 3"});
    EXPECT_EQ(Failures(Cave, "walk rr", [](const Path& f) { Draw(f, "######\n#^*.v#\n"); }),
              Messages{notProven + "castle.demo: does not reach the exit in 3 frames"});
    EXPECT_EQ(Failures(Cave, "walk rr",
                       [](const Path& f) { std::filesystem::remove(world::SourceBeside(f)); }),
              Messages{"castle.dat: no source castle.txt beside it"});
    EXPECT_EQ(
        Failures(Cave, "walk rr",
                 [](const Path& f) { WriteTextFile(world::SourceBeside(f), SourceOf("^v")); }),
        Messages{"castle.dat: differs from its source castle.txt (compile it again)"});
    EXPECT_EQ(Failures("######\n#^ v^#\n", "walk l"),  // the player starts on the last '^'
              Messages{"castle.dat: 2 start stairs '^' (a level has exactly one)"});
    EXPECT_EQ(Failures("####\n#^*#\n", "walk r"),
              (Messages{"castle.dat: no exit 'v'",
                        notProven + "castle.demo: does not reach the exit in 2 frames"}));
    EXPECT_EQ(Failures(Cave, "walk rr",
                       [](const Path& f) { std::filesystem::remove(world::DemoBeside(f)); }),
              Messages{notProven + "no demo castle.demo beside it"});
}

void AddDemoSolution(const test::ScratchLevels& tree, int n, const std::string& script) {
    const demo::Demo d = Recorded(tree, Cave, script, n);
    tree.Write(tree.Source(n), "title: Level " + std::to_string(n) + "\nmap:\n" + Cave);
    tree.Write(tree.Folders().Solutions / ("Level" + std::to_string(n) + ".demo"),
               demo::DemoText(d));
}

TEST(LevelProof, SolutionDemosAreReplayedCheckedIndexedAndWatched) {
    test::ScratchLevels tree;
    AddDemoSolution(tree, 1, "walk rr");
    AddDemoSolution(tree, 2, "1 enter");  // gives up: the player dies
    const Path solutions = tree.Folders().Solutions;
    std::filesystem::copy_file(solutions / "Level1.demo", solutions / "Level4.demo");
    Messages messages;
    for (const CheckFailure& failure : CheckLevels(tree.Folders()))
        messages.push_back(failure.Message.substr(solutions.string().size() + 1));
    EXPECT_EQ(messages, (Messages{"Level2.demo: the player dies (dead after 1 frame)",
                                  "Level4.demo: starts on level 1, not on level 4"}));
    const std::vector<IndexEntry> index = CollectIndex(tree.Folders());
    ASSERT_EQ(index.size(), 2u);
    EXPECT_EQ(index[0].SolutionFrames, 3);
    EXPECT_TRUE(index[1].HasSolution && !index[1].SolutionFrames);

    // The game watches them from the working folder, as it watches a solution script.
    const Path before = std::filesystem::current_path();
    std::filesystem::current_path(tree.Root());
    std::string error;
    const std::optional<demo::Demo> watched = replay::SolutionDemo(1, &error);
    const std::optional<demo::Demo> misfiled = replay::SolutionDemo(4, &error);
    std::filesystem::current_path(before);
    EXPECT_EQ(watched ? watched->Frames() : 0, 3);
    EXPECT_FALSE(misfiled);
    EXPECT_EQ(error, "no solution of level 4: levels/solutions/Level4.demo starts on level 1");
}

}  // namespace
}  // namespace levels
