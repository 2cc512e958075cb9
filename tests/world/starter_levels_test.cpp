// The shipped levels' solutions finish their levels under several random seeds, without a
// death, so none of them relies on a lucky roll of a stone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

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
}

}  // namespace
}  // namespace world
