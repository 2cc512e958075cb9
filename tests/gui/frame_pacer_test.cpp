// The frame pacer's sleep arithmetic, on the memory screen's fake clock.
#include <gtest/gtest.h>

#include "gui/frame_pacer.h"
#include "presentation/screen_testing.h"

namespace gui {
namespace {

namespace pt = presentation::testing;

class FramePacerTest : public ::testing::Test {
  protected:
    void SetUp() override { pt::OpenMemoryScreen(8, 8); }
    void TearDown() override { presentation::CloseScreen(); }
};

TEST_F(FramePacerTest, SleepsWhatIsLeftOfTheFrameBudget) {
    FramePacer pacer(60);
    pacer.Wait();  // the first wait only records the time
    EXPECT_DOUBLE_EQ(pt::SleptMilliseconds(), 0);

    pt::AdvanceClock(0.005);
    pacer.Wait();
    EXPECT_EQ(pacer.LastSleep, 11);
    EXPECT_DOUBLE_EQ(pt::SleptMilliseconds(), 11);

    pt::AdvanceClock(0.020);
    pacer.Wait();
    EXPECT_LE(pacer.LastSleep, 0);
    EXPECT_DOUBLE_EQ(pt::SleptMilliseconds(), 11);
}

TEST_F(FramePacerTest, TypedKeysDoNotShortenTheSleepAndRateChangesApply) {
    FramePacer pacer(20);
    pacer.Wait();
    pt::TypeKey("a");
    pacer.Wait();
    EXPECT_EQ(pacer.LastSleep, 50);
    EXPECT_DOUBLE_EQ(pt::SleptMilliseconds(), 50);
    pacer.SetRate(60);
    pacer.Wait();
    EXPECT_EQ(pacer.LastSleep, 16);
}

TEST_F(FramePacerTest, ARateOfZeroOrBelowNeverSleeps) {
    for (int rate : {0, -5}) {
        FramePacer pacer(rate);
        pacer.Wait();
        pt::AdvanceClock(0.001);
        pacer.Wait();
        EXPECT_DOUBLE_EQ(pt::SleptMilliseconds(), 0) << rate;
    }
}

}  // namespace
}  // namespace gui
