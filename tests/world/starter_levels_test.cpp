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
#include "tools/replay/harness.h"

namespace world {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(ShippedLevels, EverySolutionFinishesItsLevelUnderFiveSeeds) {
    const auto start = std::chrono::steady_clock::now();
    int solutions = 0;
    for (const auto& entry : std::filesystem::directory_iterator("levels/solutions")) {
        std::string error;
        const auto script = replay::ParseScript(ReadFile(entry.path()), &error);
        ASSERT_TRUE(script) << entry.path() << ": " << error;
        ++solutions;
        for (const replay::RunOptions& trial : replay::StandardTrials()) {
            const replay::Outcome outcome = replay::Run(*script, trial);
            SCOPED_TRACE(entry.path().string() + ", seed " + std::to_string(*trial.Seed) +
                         ", phase " + std::to_string(trial.Phase));
            EXPECT_TRUE(outcome.Finished);
            EXPECT_EQ(outcome.Deaths, 0);
            EXPECT_TRUE(outcome.Problems.empty());
            EXPECT_EQ(outcome.Collected >= outcome.Needed, true);
        }
    }
    EXPECT_GE(solutions, 3);

    // How long the replays take, for the record; never a pass or fail.
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    RecordProperty("replay_seconds", std::to_string(seconds));
    std::printf("[ timing   ] %d solutions x %zu trials replayed in %.2f s (%.3f s a solution)\n",
                solutions, replay::StandardTrials().size(), seconds,
                solutions ? seconds / solutions : 0.0);
}

// Solutions 1..50 as one script: each one's commands, "nextlvl" between two levels, starting on
// level 1. Nothing while a solution is missing.
std::optional<replay::Script> CampaignScript(std::string& missing) {
    replay::Script campaign;
    campaign.Level = 1;
    for (int n = 1; n <= app::LevelCodeCount; ++n) {
        const std::filesystem::path path = "levels/solutions/Level" + std::to_string(n) + ".txt";
        const auto script = replay::ParseScript(ReadFile(path));
        if (!std::filesystem::exists(path) || !script) {
            missing.append(" ").append(std::to_string(n));
            continue;
        }
        if (n > 1) {
            replay::Command next;
            next.What = replay::Command::Kind::NextLevel;
            campaign.Commands.push_back(next);
        }
        campaign.Commands.insert(campaign.Commands.end(), script->Commands.begin(),
                                 script->Commands.end());
    }
    if (!missing.empty()) return std::nullopt;
    return campaign;
}

TEST(ShippedLevels, TheSolutionsPlayTheCampaignThroughWithoutADeath) {
    std::string missing;
    const std::optional<replay::Script> campaign = CampaignScript(missing);
    if (!campaign) GTEST_SKIP() << "solutions still missing for levels" << missing;
    for (const double seed : {1.0, 4.0}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        replay::RunOptions options;
        options.Seed = seed;
        const replay::Outcome outcome = replay::Run(*campaign, options);
        EXPECT_TRUE(outcome.Finished) << "stopped on level " << outcome.LevelNumber;
        EXPECT_EQ(outcome.LevelsFinished, app::LevelCodeCount);
        EXPECT_EQ(outcome.LevelNumber, app::LevelCodeCount);
        EXPECT_EQ(outcome.Deaths, 0) << "on level " << outcome.LevelNumber;
        for (const std::string& problem : outcome.Problems) ADD_FAILURE() << problem;
    }
}

}  // namespace
}  // namespace world
