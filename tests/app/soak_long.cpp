// The long soak, its own executable under the label "soak": at least 100,000 frames of the real
// play loop spread over every shipped level, each level with its own fixed seed. The sanitizer
// stage of tools/test.sh runs it, so that odd states met on the way are drawn under ASan.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/app/play_test_support.h"
#include "tests/app/soak_support.h"

namespace app::test {
namespace {

TEST(LongSoak, EveryShippedLevelKeepsItsInvariantsThroughALongWalk) {
    const std::vector<std::int32_t> levels = LevelNumbersIn("lvl");
    ASSERT_FALSE(levels.empty());
    const std::int64_t perLevel =
        std::max<std::int64_t>(10'000, (100'000 + static_cast<std::int64_t>(levels.size()) - 1) /
                                           static_cast<std::int64_t>(levels.size()));
    std::int64_t frames = 0;
    for (const std::int32_t level : levels) {
        const std::uint64_t seed = 104'729u * static_cast<std::uint64_t>(level) + 3;
        const SoakReport r = RunSoak({level, seed, perLevel, 8});
        EXPECT_EQ(r.Failure, "") << "level " << level << ", seed " << seed;
        EXPECT_EQ(
            CheckSoakTrace("long/level" + std::to_string(level) + "/seed" + std::to_string(seed),
                           r.Trace),
            "");
        frames += r.Frames;
        std::printf(
            "level %d, seed %llu: %lld frames (%lld drawn), %d deaths, %d respawns, "
            "%d give-ups, %d levels finished, %d solutions played, %d sessions\n",
            level, static_cast<unsigned long long>(seed), static_cast<long long>(r.Frames),
            static_cast<long long>(r.DrawnFrames), r.Deaths, r.Respawns, r.GiveUps,
            r.LevelsFinished, r.SolutionsPlayed, r.Sessions);
    }
    EXPECT_GE(frames, 100'000);
}

// Levels without walls, with every code, drawn every 4th frame: the view beyond the map's edges,
// blasts and flames at the edges, objects falling and rolling everywhere.
class WildLongSoak : public PlayTest {};

TEST_F(WildLongSoak, WildLevelsKeepTheirInvariantsThroughALongWalk) {
    for (int level = 1; level <= 4; ++level) WriteLevel(level, WildLevel(level * 31u));
    for (int level = 1; level <= 4; ++level) {
        const std::uint64_t seed = 7u * static_cast<std::uint64_t>(level) + 5;
        const SoakReport r = RunSoak({level, seed, 10'000, 4});
        EXPECT_EQ(r.Failure, "") << "wild level " << level << ", seed " << seed;
        EXPECT_EQ(
            CheckSoakTrace(
                "wildlong/level" + std::to_string(level) + "/seed" + std::to_string(seed), r.Trace),
            "");
        std::printf("wild level %d, seed %llu: %lld frames, %d deaths, %d levels finished\n", level,
                    static_cast<unsigned long long>(seed), static_cast<long long>(r.Frames),
                    r.Deaths, r.LevelsFinished);
    }
}

}  // namespace
}  // namespace app::test
