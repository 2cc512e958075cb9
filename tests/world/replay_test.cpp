// The replay harness: the script format, maps as pictures, the starter levels played one after
// the other in one run, determinism, the dialog driven by "nextlvl", respawning, and runs that
// end on a missing level file or a script that cannot be played.
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "presentation/screen_services.h"
#include "tests/world/world_test_support.h"
#include "tools/replay/harness.h"
#include "tools/replay/script.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace replay {
namespace {

namespace scan = presentation::scan;
using Kind = Command::Kind;

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

Script Parse(std::string_view text) {
    std::string error;
    std::optional<Script> script = ParseScript(text, &error);
    EXPECT_TRUE(script) << error;
    return script.value_or(Script{});
}

std::string ParseError(std::string_view text) {
    std::string error;
    EXPECT_FALSE(ParseScript(text, &error));
    return error;
}

// Level files in a folder of the test's own.
class ReplayTest : public ::testing::Test {
  protected:
    static std::int32_t OwnLevel(int k) { return 100 + 2 * k; }
    void WriteLevel(std::int32_t number, std::string_view picture) {
        std::string error;
        auto map = MapFromPicture(picture, world::Massive, &error);
        ASSERT_TRUE(map) << error;
        temp_.Write(number, *map);
    }
    Outcome Play(const Script& script, RunOptions options = {}) {
        options.Levels = temp_.Dir();
        return replay::Run(script, options);
    }
    std::string FileName(std::int32_t number) const {
        return temp_.Folder().FileOf(number).string();
    }
    world::test::TempLevels temp_;
};

TEST(ReplayScript, EveryCommandOfTheFormat) {
    const Script s = Parse(R"(# a comment line
level 3
seed 42

12 right        # a comment after a command
3 left+right
wait 2
walk r 2u
nextlvl
respawn
1 enter+space+w+a+s+d+up+down
)");
    EXPECT_EQ(s.Level, 3);
    EXPECT_EQ(s.Seed, 42);
    ASSERT_EQ(s.Commands.size(), 12u);
    EXPECT_EQ(s.Commands[0].Frames, 12);
    EXPECT_EQ(s.Commands[0].Keys, std::vector<int>{scan::Right});
    EXPECT_EQ(s.Commands[0].Line, 5);
    EXPECT_EQ(s.Commands[1].Keys, (std::vector<int>{scan::Left, scan::Right}));
    EXPECT_TRUE(s.Commands[2].Keys.empty());
    EXPECT_EQ(s.Commands[2].Frames, 2);
    // A step is a frame with the arrow held and a frame with nothing held.
    const std::vector<int> steps[] = {{scan::Right}, {}, {scan::Up}, {}, {scan::Up}, {}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(s.Commands[3 + i].Keys, steps[i]) << i;
        EXPECT_EQ(s.Commands[3 + i].Frames, 1);
        EXPECT_EQ(s.Commands[3 + i].Line, 8);
    }
    EXPECT_EQ(s.Commands[9].What, Kind::NextLevel);
    EXPECT_EQ(s.Commands[10].What, Kind::Respawn);
    EXPECT_EQ(s.Commands[11].Keys.size(), 8u);
    EXPECT_EQ(ScriptFrames(s), 12 + 3 + 2 + 6 + 0 + 1 + 1);
}

TEST(ReplayScript, MistakesAreReportedWithTheirLine) {
    EXPECT_EQ(ParseError("wait 1\n5 jump\n"), "line 2: unknown key 'jump'");
    EXPECT_EQ(ParseError("hop 3"), "line 1: unknown command 'hop'");
    EXPECT_EQ(ParseError("wait 1\nlevel 2"), "line 2: 'level' must come before the first frame");
    EXPECT_EQ(ParseError("walk rx"), "line 1: unknown step 'x' (u, d, l or r)");
    EXPECT_EQ(ParseError("walk 3"), "line 1: a number without a step");
    EXPECT_EQ(ParseError("walk"), "line 1: 'walk' needs steps");
    EXPECT_EQ(ParseError("-1 right"), "line 1: unknown command '-1'");
    EXPECT_EQ(ParseError("3"), "line 1: '3' takes 1 word");
    EXPECT_EQ(ParseError("1e9 none"), "line 1: '1e9' is not a count from 0 to 100000000");
    EXPECT_EQ(ParseError("nextlvl now"), "line 1: 'nextlvl' takes 0 words");
    EXPECT_EQ(ParseError("1 right+"), "line 1: unknown key ''");
}

TEST(ReplayMaps, PicturesAndLevelFilesRoundTrip) {
    const std::string picture = "#^ .o*v=p+cCxBt!T#";
    std::string error;
    const auto map = MapFromPicture(picture, world::Massive, &error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(PictureOfMap(*map).substr(0, picture.size()), picture);
    EXPECT_EQ(world::ParseLevelText(LevelFileText(*map)).Cells, map->Cells);
    EXPECT_EQ(map->At(0, 1), world::Massive);
    world::LevelMap odd = *map;
    odd.At(3, 0) = world::CellOfCode(99);
    EXPECT_EQ(PictureOfMap(odd, 1, 0).substr(0, 5), "#@ ?o");
    EXPECT_EQ(CroppedPictureOfMap(*map), picture + "\n" + std::string(picture.size(), '#') + "\n");

    EXPECT_FALSE(MapFromPicture("#@#", world::Massive, &error));
    EXPECT_EQ(error, "picture line 1: unknown cell '@'");
    EXPECT_FALSE(MapFromPicture(std::string(65, '#'), world::Massive, &error));
    EXPECT_FALSE(MapFromPicture(std::string(65, '\n') + "#", world::Massive, &error));
    EXPECT_EQ(error, "picture line 65: more than 64 lines");
}

TEST_F(ReplayTest, TheLevelsCanBePlayedOneAfterTheOtherInOneRun) {
    // Timers run on from level to level: the solutions must not depend on the columns' phase.
    std::string text;
    for (int level = 1; level <= 3; ++level) {
        std::istringstream lines(
            ReadFile("levels/solutions/Level" + std::to_string(level) + ".txt"));
        for (std::string line; std::getline(lines, line);)
            if (line.rfind("level", 0) != 0) text += line + "\n";
        if (level < 3) text += "nextlvl\n";
    }
    const Outcome o = replay::Run(Parse(text));
    EXPECT_TRUE(o.Finished) << Describe(o, true);
    EXPECT_EQ(o.LevelsFinished, 3);
    EXPECT_EQ(o.LevelNumber, 3);
    EXPECT_TRUE(o.Problems.empty()) << Describe(o, false);
    EXPECT_EQ(o.SoundsPlayed.at("finish"), 3);
}

TEST_F(ReplayTest, TheSameSeedGivesTheSameMapAndSeedsDiffer) {
    // Stones dropping onto a row of pillars roll off to either side at random.
    WriteLevel(OwnLevel(0), R"(
###########
#^ o o o o#
#         #
#         #
#  = = = =#
#         #
#.........#)");
    const Script script = Parse("level " + std::to_string(OwnLevel(0)) + "\nwait 400\n");
    std::set<std::string> maps;
    for (double seed = 1; seed <= 6; ++seed) {
        const Outcome first = Play(script, {std::nullopt, seed});
        const Outcome again = Play(script, {std::nullopt, seed});
        EXPECT_EQ(first.Map.Cells, again.Map.Cells) << "seed " << seed;
        EXPECT_EQ(first.SoundsPlayed, again.SoundsPlayed);
        maps.insert(PictureOfMap(first.Map));
    }
    EXPECT_GT(maps.size(), 1u);
}

TEST_F(ReplayTest, AScriptWithoutNextLevelEndsOnTheDialogAndAStrayOneIsAProblem) {
    const std::int32_t level = OwnLevel(0);
    WriteLevel(level, "#^v#");
    const Outcome finished = Play(Parse("level " + std::to_string(level) + "\n5 right\n9 left\n"));
    EXPECT_TRUE(finished.Finished);
    EXPECT_EQ(finished.Frames, 1);
    EXPECT_EQ(finished.LevelsFinished, 1);
    EXPECT_EQ(Describe(finished, false).substr(0, 9), "finished:");

    const Outcome stray = Play(Parse("level " + std::to_string(level) + "\nwait 3\nnextlvl\n"));
    EXPECT_FALSE(stray.Finished);
    EXPECT_EQ(stray.Problems,
              std::vector<std::string>{"line 3: nextlvl, but the line before finished no level"});
}

TEST_F(ReplayTest, NextLevelDropsTheRestOfTheLineAndGoesOnInTheNextLevel) {
    const std::int32_t level = OwnLevel(0);
    WriteLevel(level, "#^v..#");
    WriteLevel(level + 1, "#^..v#\n######");
    const Outcome o = Play(Parse("level " + std::to_string(level) +
                                 "\nwalk rrrr   # the last three are dropped\nnextlvl\nwalk 2r\n"));
    EXPECT_FALSE(o.Finished);
    EXPECT_EQ(o.LevelsFinished, 1);
    EXPECT_EQ(o.LevelNumber, level + 1);
    EXPECT_EQ(o.PlayerX, 3);
    EXPECT_EQ(o.Frames, 1 + 1 + 4);  // the finishing frame, the one letting go, two steps
    EXPECT_EQ(o.Dug, 2);
    EXPECT_EQ(Describe(o, false).substr(0, 6), "alive:");
}

TEST_F(ReplayTest, AMissingLevelFileEndsTheRunWithTheReport) {
    const std::int32_t level = OwnLevel(0);  // level + 1 is never written
    WriteLevel(level, "#^v#");
    const Outcome o = Play(Parse("level " + std::to_string(level) + "\nwalk r\nnextlvl\nwait 5\n"));
    EXPECT_EQ(o.FatalMessage, "Could not open file '" + FileName(level + 1) + "'");
    EXPECT_FALSE(o.Finished);
    EXPECT_EQ(Describe(o, false).substr(0, 6), "ended:");

    const Outcome none = Play(Parse("wait 1"), {OwnLevel(1), 1});
    EXPECT_EQ(none.FatalMessage, "Could not open file '" + FileName(OwnLevel(1)) + "'");
    EXPECT_EQ(none.Frames, 0);
}

TEST_F(ReplayTest, RespawnRestartsTheLevelOfADeadPlayer) {
    const std::int32_t level = OwnLevel(0);
    WriteLevel(level, "#^...#");
    const Outcome o = Play(Parse("level " + std::to_string(level) +
                                 "\nwalk 2r\n1 enter\nwait 10\nrespawn\nwalk r\nrespawn\n"));
    EXPECT_EQ(o.Deaths, 1);
    EXPECT_FALSE(o.Dead);
    EXPECT_EQ(o.PlayerX, 2);  // back on the stair, then one step
    EXPECT_EQ(o.Dug, 1);
    EXPECT_EQ(o.Problems, std::vector<std::string>{"line 7: respawn, but the player is alive"});
}

}  // namespace
}  // namespace replay
