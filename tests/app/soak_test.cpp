// The short soak: every shipped level through a few thousand frames of the real play loop, with
// the invariants checked after each frame; and the invariant checker itself, shown broken states.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/app/play_test_support.h"
#include "tests/app/soak_support.h"
#include "world/level_file.h"

namespace app::test {
namespace {

TEST(Soak, EveryShippedLevelKeepsItsInvariantsThroughAShortWalk) {
    const std::vector<std::int32_t> levels = LevelNumbersIn("lvl");
    ASSERT_GE(levels.size(), 3u);
    SoakReport total;
    for (const std::int32_t level : levels) {
        const std::uint64_t seed = 7919u * static_cast<std::uint64_t>(level) + 17;
        const SoakReport r = RunSoak({level, seed, 3000, 8});
        EXPECT_EQ(r.Failure, "") << "level " << level << ", seed " << seed;
        EXPECT_EQ(r.Frames, 3000) << "level " << level << ", seed " << seed;
        EXPECT_EQ(
            CheckSoakTrace("short/level" + std::to_string(level) + "/seed" + std::to_string(seed),
                           r.Trace),
            "");
        total.Deaths += r.Deaths;
        total.Respawns += r.Respawns;
        total.LevelsFinished += r.LevelsFinished;
        total.Sessions += r.Sessions;
        total.DrawnFrames += r.DrawnFrames;
    }
    // The walk went where it should: deaths answered by respawns, levels finished and left.
    EXPECT_GT(total.Respawns, 10);
    EXPECT_GE(total.Deaths, total.Respawns);
    EXPECT_GT(total.LevelsFinished, 0);
    EXPECT_GT(total.DrawnFrames, 3000 / 8 * static_cast<int>(levels.size()) - 10);
}

class WildSoak : public PlayTest {};

TEST_F(WildSoak, LevelsWithoutWallsAndWithEveryCodeKeepTheirInvariants) {
    WriteLevel(1, WildLevel(1));
    WriteLevel(2, WildLevel(2));
    const SoakReport r = RunSoak({1, 4242, 6000, 4});
    EXPECT_EQ(r.Failure, "");
    EXPECT_EQ(CheckSoakTrace("wild/seed4242", r.Trace), "");
    EXPECT_GT(r.Deaths, 10);
    EXPECT_GT(r.LevelsFinished, 0);
}

TEST(Soak, LevelNumbersAreTakenFromTheFileNames) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("soak_levels_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    for (const char* name : {"Level1.dat", "Level12.dat", "Level3.dat", "Level03.dat", "Levelx.dat",
                             "Level4.dat.bak", "level5.dat", "notes.txt", "Level10000123.dat"})
        std::ofstream(dir / name) << "1";
    EXPECT_EQ(LevelNumbersIn(dir), (std::vector<std::int32_t>{1, 3, 12}));
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(LevelNumbersIn(dir).empty());
}

class InvariantTest : public PlayTest {
  protected:
    InvariantTest() : game_(std::make_unique<world::GameState>()) {
        world::LevelMap map = FramedLevel(10, 10);
        map.At(10, 12) = world::Stone;
        map.At(11, 12) = world::Crystal;
        map.At(12, 12) = world::Tnt;
        map.At(13, 12) = world::DeadEarth;
        game_->Map = map;
        game_->Needed = 1;
        world::FindStart(*game_);
        facts_ = FactsOf(map);
    }
    std::string Broken() { return BrokenInvariant(*game_, facts_); }

    std::unique_ptr<world::GameState> game_;
    LevelFacts facts_;
};

TEST_F(InvariantTest, MovesAndTheRulesOwnProductsAreAllowed) {
    EXPECT_EQ(Broken(), "");
    game_->Map.At(10, 12) = world::Empty;  // the stone fell
    game_->Map.At(10, 13) = world::Stone;
    game_->Map.At(11, 12) = world::Empty;  // the crystal was collected
    game_->Collected = 1;
    game_->Map.At(12, 12) = world::TntPlaced;
    game_->TntFuse = 180;
    game_->Map.At(13, 13) = world::Leak;
    game_->Map.At(13, 20) = world::DeadEarth;
    for (world::Flame& f : game_->Flames.Slots) f.Countdown = 19;
    game_->ColumnTimers.fill(25);
    EXPECT_EQ(Broken(), "");
}

TEST_F(InvariantTest, EveryKindOfBrokenStateIsNamed) {
    auto expectBroken = [this](const char* what, auto&& breakIt, auto&& mendIt) {
        breakIt();
        EXPECT_NE(Broken(), "") << what;
        mendIt();
        EXPECT_EQ(Broken(), "") << what;
    };
    world::GameState& g = *game_;
    expectBroken(
        "a barrel from nowhere", [&] { g.Map.At(5, 5) = world::Barrel; },
        [&] { g.Map.At(5, 5) = world::Earth; });
    expectBroken(
        "a second stone", [&] { g.Map.At(5, 5) = world::Stone; },
        [&] { g.Map.At(5, 5) = world::Earth; });
    expectBroken(
        "a crystal collected twice", [&] { g.Collected = 1; }, [&] { g.Collected = 0; });
    expectBroken(
        "a charge carried and still lying there", [&] { g.Player.HasTnt = true; },
        [&] { g.Player.HasTnt = false; });
    expectBroken(
        "the player off the map", [&] { g.Player.X = 64; }, [&] { g.Player.X = 10; });
    expectBroken(
        "the player above the map", [&] { g.Player.Y = -1; }, [&] { g.Player.Y = 10; });
    expectBroken(
        "negative dug", [&] { g.Dug = -1; }, [&] { g.Dug = 0; });
    expectBroken(
        "needed changed", [&] { g.Needed = 2; }, [&] { g.Needed = 1; });
    expectBroken(
        "a flame past its first picture", [&] { g.Flames.Slots[3].Countdown = 20; },
        [&] { g.Flames.Slots[3].Countdown = -1; });
    expectBroken(
        "a flame below idle", [&] { g.Flames.Slots[8].Countdown = -2; },
        [&] { g.Flames.Slots[8].Countdown = -1; });
    expectBroken(
        "a fuse longer than a fuse", [&] { g.TntFuse = 181; }, [&] { g.TntFuse = 0; });
    expectBroken(
        "a negative fuse", [&] { g.TntFuse = -1; }, [&] { g.TntFuse = 0; });
    expectBroken(
        "a sound counter past 4", [&] { g.DigSoundNo = 5; }, [&] { g.DigSoundNo = 0; });
    expectBroken(
        "a column timer below 0", [&] { g.ColumnTimers[63] = -1; },
        [&] { g.ColumnTimers[63] = 0; });
    expectBroken(
        "a facing the game never sets", [&] { g.Player.Facing = world::Facing{7}; },
        [&] { g.Player.Facing = world::Facing::Down; });

    facts_ = FactsOf(FramedLevel(10, 10));  // no dead earth, no charge in this level
    g.Map = FramedLevel(10, 10);
    g.Needed = 0;
    expectBroken(
        "a leak without dead earth", [&] { g.Map.At(5, 5) = world::Leak; },
        [&] { g.Map.At(5, 5) = world::Earth; });
    expectBroken(
        "a lit charge without a charge", [&] { g.Map.At(5, 5) = world::TntPlaced; },
        [&] { g.Map.At(5, 5) = world::Earth; });
}

}  // namespace
}  // namespace app::test
