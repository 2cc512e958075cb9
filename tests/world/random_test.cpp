// The world's random sequence: a seed repeats its numbers, they stay in [0, 1) and the coin they
// toss is fair, and the numbers of a seed are fixed for good (a recorded run depends on them).
#include "world/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace world {
namespace {

TEST(RandomSequence, SameSeedRepeatsValuesStayInUnitRangeAndTheCoinIsFair) {
    RandomSequence random(12.5);
    std::vector<double> first;
    for (int i = 0; i < 1000; ++i) first.push_back(random.Next());
    random.Seed(12.5);
    for (double v : first) {
        EXPECT_EQ(random.Next(), v);
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 1.0);
    }
    int heads = 0;
    for (double v : first) heads += static_cast<int>(v * 2) == 0;
    EXPECT_NEAR(heads, 500, 80);
    random.Seed(12.75);
    EXPECT_NE(random.Next(), first[0]);
    // A copy goes on from where the original stood.
    RandomSequence copy = random;
    EXPECT_EQ(copy.Next(), random.Next());
}

}  // namespace
}  // namespace world
