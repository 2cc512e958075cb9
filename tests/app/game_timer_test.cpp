// The polled interval timer: rounding of its start second, repeating, once and unknown modes.
#include <gtest/gtest.h>

#include "app/game_timer.h"
#include "presentation/screen_testing.h"

namespace app {
namespace {

namespace pt = presentation::testing;

class GameTimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        pt::OpenMemoryScreen(8, 8);  // the fake clock starts at 1.0 s
    }
    void TearDown() override { presentation::CloseScreen(); }
    void ClockTo(double seconds) { pt::AdvanceClock(seconds - presentation::TimerSeconds()); }

    std::vector<std::string> fired;
    GameTimer::HandlerFn Record() {
        return [this](std::string_view id) { fired.emplace_back(id); };
    }
};

TEST_F(GameTimerTest, RepeatingTimerCountsFromTheRoundedStartAndFromEachFiring) {
    ClockTo(10.4);
    GameTimer timer("music", 80, GameTimer::Repeating, Record());
    EXPECT_EQ(timer.StartSecond, 10);
    EXPECT_EQ(timer.Active, 1);
    ClockTo(89.99);
    timer.Tick();
    EXPECT_TRUE(fired.empty());
    ClockTo(90.0);
    timer.Tick();
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], "music");
    EXPECT_EQ(timer.StartSecond, 90);
    ClockTo(170.6);  // the next interval counts from the tick, rounded
    timer.Tick();
    EXPECT_EQ(fired.size(), 2u);
    EXPECT_EQ(timer.StartSecond, 171);
}

TEST_F(GameTimerTest, HalfSecondsRoundToTheEvenNeighbour) {
    ClockTo(10.5);
    EXPECT_EQ(GameTimer("", 1, GameTimer::Once, nullptr).StartSecond, 10);
    ClockTo(11.5);
    EXPECT_EQ(GameTimer("", 1, GameTimer::Once, nullptr).StartSecond, 12);
}

TEST_F(GameTimerTest, OnceFiresOnceAndOtherModesNever) {
    GameTimer once("once", 5, GameTimer::Once, Record());
    GameTimer other("other", 5, 2, Record());
    ClockTo(100);
    for (int i = 0; i < 3; ++i) once.Tick(), other.Tick();
    EXPECT_EQ(fired, std::vector<std::string>{"once"});
    EXPECT_EQ(once.Active, 0);
    EXPECT_EQ(other.Active, 1);
}

}  // namespace
}  // namespace app
