// Demos: the text keeps every field, bad files give one message naming the line, every shipped
// run turned into a demo replays to the same trace, and attempts are kept as last and best.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/demo_recorder.h"
#include "app/level_codes.h"
#include "demo/demo.h"
#include "tools/replay/demo_run.h"
#include "tools/replay/script.h"
#include "tools/replay/shipped_runs.h"

namespace demo {
namespace {

Demo Sample() {
    Demo d;
    d.Level = 12;
    d.Entry = Entry::Next;
    d.State.Random = {0xdeadbeefcafe, 2, 0xffffffffffffffff, 0};
    for (int x = 0; x < world::MapSize; ++x) d.State.ColumnTimers[x] = x % 25;
    d.State.LeakTimer = 77;
    d.State.TntFuse = 31;
    d.State.Variants = {1, 2, 3, 4, 0, 1, 2, 3};
    d.State.Facing = 3;
    d.State.KeyLatch = true;
    d.State.StepTimer = INT32_MIN;
    d.Sound = false;
    world::FrameInput right, all;
    right.Right = true;
    all = {true, true, true, true, true, true, true};
    for (int i = 0; i < 40; ++i) d.AddFrame(right);
    d.AddFrame({});
    d.AddNextLevel();
    d.AddFrame(all);
    return d;
}

std::string ErrorOf(std::string_view text) {
    std::string error;
    EXPECT_FALSE(ParseDemo(text, &error)) << text;
    return error;
}

TEST(DemoFormat, TextKeepsEveryFieldAndJoinsEqualFrames) {
    const Demo d = Sample();
    ASSERT_EQ(d.Steps.size(), 4u);  // 40 held frames are one step
    EXPECT_EQ(d.Frames(), 42);
    std::string error;
    const std::optional<Demo> back = ParseDemo(DemoText(d), &error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, d);
    EXPECT_EQ(DemoText(*back), DemoText(d));
}

TEST(DemoFormat, AFileOfOnlyTheFirstLineAndEndReadsAsTheDefaultsAndWritesBack) {
    const std::optional<Demo> d = ParseDemo("game-demo 1\nframes\nend 0\n");
    ASSERT_TRUE(d);
    EXPECT_EQ(*d, Demo{});
    EXPECT_EQ(ParseDemo(DemoText(*d)), d);  // the default random state is one it reads
}

TEST(DemoFormat, BadFilesGiveOneMessageNamingTheLine) {
    const std::string head = "game-demo 1\nlevel 1\nframes\n";
    const std::pair<std::string, std::string> cases[] = {
        {"", "line 1: not a demo"},
        {"\x7f"
         "ELF\x01\x02",
         "line 1: not a demo"},
        {"game-demo 2\n", "line 1: demo version 2, this game reads 1"},
        {"game-demo 99999999999999999999\n", "line 1: '99999999999999999999' is not a number"},
        {head + "3 R\n", "line 4: the demo is cut short"},
        {head + "3 R\nend 4\n", "line 5: 'end' counts 4 frames, the lines 3"},
        {head + "3 R\nend 3\n1 R\n", "line 6: text after 'end'"},
        {head + "0 R\nend 0\n", "line 4: '0' is not a number from 1"},
        {head + "3 RR\nend 3\n", "line 4: 'RR' is not '-' or each"},
        {head + "3 X\nend 3\n", "line 4: 'X' is not"},
        {head + "level 2\n", "line 4: 'level' is not a number"},
        {head + "999999999 R\n", "line 4: '999999999' is not a number from 1 to 100000000"},
        {"game-demo 1\nsetting walk held\n", "line 2: unknown setting 'walk'"},
        {"game-demo 1\njump 3\n", "line 2: unknown line 'jump'"},
        {"game-demo 1\nrandom 0 0 0 0\n", "line 2: a random state of all zeros"},
        {"game-demo 1\nfall 1 2 3\n", "line 2: 'fall' takes one timer for every column"},
        {"game-demo 1\nvariants 0 0 0 0 0 0 0 5\n", "line 2: '5' is not a number from 0 to 4"},
    };
    for (const auto& [text, message] : cases)
        EXPECT_EQ(ErrorOf(text).rfind(message, 0), 0u) << ErrorOf(text) << "\nfor\n" << text;
}

TEST(DemoFormat, FramesAddUpNoFurtherThanTheLimit) {
    std::string text = "game-demo 1\nframes\n";
    for (int i = 0; i < 700; ++i) text += "100000000 " + std::string(i % 2 ? "R" : "-") + "\n";
    EXPECT_NE(ErrorOf(text).find("too many frames"), std::string::npos);
}

class DemoFiles : public ::testing::Test {
  protected:
    DemoFiles() { std::filesystem::create_directories(dir_); }
    ~DemoFiles() override { std::filesystem::remove_all(dir_); }
    const std::filesystem::path dir_ =
        std::filesystem::temp_directory_path() / ("demo_test_" + std::to_string(::getpid()));
};

TEST_F(DemoFiles, HugeAndMissingFilesAreRefusedUnread) {
    const std::string huge = (dir_ / "huge.demo").string();
    std::ofstream(huge).put('g');
    std::filesystem::resize_file(huge, MaxFileBytes + 1);
    std::string error;
    EXPECT_FALSE(ReadDemoFile(huge, &error));
    EXPECT_NE(error.find("too large"), std::string::npos);
    EXPECT_FALSE(replay::LoadDemo((dir_ / "none.demo").string(), &error));
    EXPECT_NE(error.find("cannot read"), std::string::npos);
    EXPECT_FALSE(WriteDemoFile((dir_ / "no" / "such" / "x.demo").string(), Sample(), &error));
    EXPECT_NE(error.find("cannot write"), std::string::npos);
}

TEST(DemoReplay, EveryShippedRunReplaysToItsTraceAsADemo) {
    for (const replay::NamedRun& run :
         replay::ShippedRuns("levels/solutions", app::LevelCodeCount)) {
        const replay::Outcome scripted = replay::Run(run.Played, run.Options);
        const std::optional<Demo> d = replay::DemoOfScript(run.Played, run.Options);
        ASSERT_TRUE(d) << run.Name;
        const std::optional<Demo> read = ParseDemo(DemoText(*d));
        ASSERT_TRUE(read) << run.Name;
        const replay::Outcome replayed = replay::RunDemo(*read);
        EXPECT_EQ(replayed.Trace, scripted.Trace) << run.Name;
        EXPECT_TRUE(replayed.Finished) << run.Name;
        EXPECT_EQ(replayed.Deaths, scripted.Deaths) << run.Name;
        EXPECT_TRUE(replayed.Problems.empty()) << run.Name;
        replay::DemoRunOptions untraced;
        untraced.Trace = false;
        EXPECT_EQ(replay::RunDemo(*read, untraced).Trace.Final, scripted.Trace.Final) << run.Name;
    }
}

TEST(DemoReplay, AMissingLevelEndsTheRunWithItsMessage) {
    Demo d = Sample();
    d.Level = 9999;
    const replay::Outcome out = replay::RunDemo(d);
    EXPECT_NE(out.FatalMessage.find("Level9999"), std::string::npos) << out.FatalMessage;
    EXPECT_EQ(out.Frames, 0);
}

std::optional<Demo> Kept(const std::filesystem::path& path) {
    std::string error;
    const std::optional<Demo> d = replay::LoadDemo(path.string(), &error);
    EXPECT_TRUE(d) << error;
    return d;
}

// Level 1 played by its solution with an attempt keeper listening; the keeper ends with the run.
void PlayLevelOne(const std::filesystem::path& folder, const std::string& script,
                  const std::string& sessionFile = "") {
    std::string error;
    const std::optional<replay::Script> s = replay::ParseScript(script, &error);
    ASSERT_TRUE(s) << error;
    app::AttemptKeeper keeper(folder, sessionFile);
    replay::RunOptions options;
    options.Record = &keeper;
    replay::Run(*s, options);
}

TEST_F(DemoFiles, AttemptsAreKeptAsLastAndFinishedOnesAsBestWhenShorter) {
    std::ifstream in("levels/solutions/Level1.txt");
    const std::string solution((std::istreambuf_iterator<char>(in)), {});
    const std::filesystem::path folder = dir_ / "game" / "demos";

    PlayLevelOne(folder, "level 1\n5 right\n1 enter\n30 none\n");  // gives up, then quits
    EXPECT_FALSE(std::filesystem::exists(folder / "Level1-best.demo"));
    EXPECT_EQ(Kept(folder / "Level1-last.demo")->Frames(), 36);

    PlayLevelOne(folder, solution, (dir_ / "session.demo").string());
    const std::optional<Demo> best = Kept(folder / "Level1-best.demo");
    ASSERT_TRUE(best);
    EXPECT_EQ(*best, *Kept(folder / "Level1-last.demo"));
    EXPECT_EQ(*best, *Kept(dir_ / "session.demo"));
    EXPECT_TRUE(replay::RunDemo(*best).Finished);

    // An attempt after a respawn starts where the respawn left the world, and replays alone.
    const std::string walks = solution.substr(solution.find("walk"));
    PlayLevelOne(folder, "level 1\n5 right\n1 none\n1 enter\n9 none\nrespawn\n" + walks);
    const std::optional<Demo> respawned = Kept(folder / "Level1-last.demo");
    ASSERT_TRUE(respawned);
    EXPECT_EQ(respawned->Frames(), best->Frames());
    EXPECT_NE(respawned->State, best->State);  // the rolls and rhythms have moved on
    EXPECT_TRUE(replay::RunDemo(*respawned).Finished);

    // A longer finish is the last demo but leaves the best alone.
    PlayLevelOne(folder, "level 1\n7 none\n" + walks);
    EXPECT_EQ(Kept(folder / "Level1-last.demo")->Frames(), best->Frames() + 7);
    EXPECT_EQ(*Kept(folder / "Level1-best.demo"), *best);
}

}  // namespace
}  // namespace demo
