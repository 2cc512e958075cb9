// The shipped levels' solutions finish their levels under several random seeds, without a
// death, so none of them relies on a lucky roll of a stone; and played one after another they
// finish the whole campaign, with the fall and drip rhythms carried over from level to level.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "app/level_codes.h"
#include "tools/replay/shipped_runs.h"

namespace world {
namespace {

constexpr const char* TraceFile = "tests/world/traces.txt";

// Each run is also compared, frame by frame, with the trace recorded when the levels were made:
// a change that alters any frame of any solution shows here, with the span of frames it first
// touches ("replay --digests" then finds the frame).
TEST(ShippedLevels, EverySolutionFinishesItsLevelUnderFiveSeedsFrameForFrameAsRecorded) {
    const auto start = std::chrono::steady_clock::now();
    int runs = 0;
    std::int64_t frames = 0;
    for (const replay::NamedRun& run :
         replay::ShippedRuns("levels/solutions", app::LevelCodeCount)) {
        if (run.Name.starts_with("campaign")) continue;
        SCOPED_TRACE(run.Name);
        const replay::Outcome outcome = replay::Run(run.Played, run.Options);
        ++runs;
        frames += outcome.Frames;
        EXPECT_TRUE(outcome.Finished);
        EXPECT_EQ(outcome.Deaths, 0);
        EXPECT_TRUE(outcome.Problems.empty());
        EXPECT_EQ(outcome.Collected >= outcome.Needed, true);
        EXPECT_EQ(replay::CheckTrace(TraceFile, run.Name, outcome.Trace), "");
    }
    EXPECT_GE(runs, 3 * 5);

    // How long the replays take, for the record; never a pass or fail.
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("replay_seconds", std::to_string(seconds));
    std::printf("[ timing   ] %d runs, %lld frames, replayed in %.2f s\n", runs,
                static_cast<long long>(frames), seconds);
}

TEST(ShippedLevels, TheSolutionsPlayTheCampaignThroughWithoutADeathFrameForFrameAsRecorded) {
    std::string missing;
    if (!replay::CampaignScript("levels/solutions", app::LevelCodeCount, missing))
        GTEST_SKIP() << "solutions still missing for levels" << missing;
    for (const replay::NamedRun& run :
         replay::ShippedRuns("levels/solutions", app::LevelCodeCount)) {
        if (!run.Name.starts_with("campaign")) continue;
        SCOPED_TRACE(run.Name);
        const replay::Outcome outcome = replay::Run(run.Played, run.Options);
        EXPECT_TRUE(outcome.Finished) << "stopped on level " << outcome.LevelNumber;
        EXPECT_EQ(outcome.LevelsFinished, app::LevelCodeCount);
        EXPECT_EQ(outcome.LevelNumber, app::LevelCodeCount);
        EXPECT_EQ(outcome.Deaths, 0) << "on level " << outcome.LevelNumber;
        for (const std::string& problem : outcome.Problems) ADD_FAILURE() << problem;
        EXPECT_EQ(replay::CheckTrace(TraceFile, run.Name, outcome.Trace), "");
    }
}

}  // namespace
}  // namespace world
