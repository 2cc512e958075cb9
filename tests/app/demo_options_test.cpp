// The demo options of the command line: each found among other arguments, and the ones that
// cannot go together, or lack their value, refused with a message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/demo_options.h"

namespace app {
namespace {

DemoOptions Read(std::vector<std::string> words) {
    words.insert(words.begin(), "game");
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    return ReadDemoOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(DemoOptions, AreFoundAmongOtherArgumentsAndRefusedWhenTheyClash) {
    const DemoOptions record = Read({"--scale", "2", "--record", "run.demo", "--fullscreen"});
    EXPECT_EQ(record.Record, "run.demo");
    EXPECT_TRUE(record.Error.empty());
    EXPECT_EQ(Read({"--watch", "50"}).Watch, 50);
    EXPECT_EQ(Read({"--play", "a.demo"}).Play, "a.demo");
    EXPECT_TRUE(Read({}).Error.empty());
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--watch", "0"},
                                                                 {"--watch", "x1"},
                                                                 {"--play"},
                                                                 {"--play", "a", "--watch", "1"},
                                                                 {"--record", "a", "--play", "b"}})
        EXPECT_FALSE(Read(bad).Error.empty()) << bad[0];
}

}  // namespace
}  // namespace app
