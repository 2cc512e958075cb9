// The level index: each level's section carries what a player and a designer look up, and the
// entries of the shipped levels come from their files and their replayed solutions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/level_codes.h"
#include "tools/levels/level_index.h"

namespace levels {
namespace {

TEST(LevelIndex, EachLevelHasASectionWithItsFactsAndPicture) {
    IndexEntry first;
    first.Number = 7;
    first.Title = "Bonus Hunt";
    first.Notes = "Take the detours.";
    first.Code = "ABCDEF";
    first.Needed = 5;
    first.Bonus = 2;
    first.Width = 30;
    first.Height = 14;
    first.HasSolution = true;
    first.SolutionFrames = 1234;
    IndexEntry epilogue = first;
    epilogue.Number = 51;
    epilogue.Code = "";
    epilogue.Needed = epilogue.Bonus = 0;
    epilogue.SolutionFrames.reset();
    IndexEntry unsolved;
    unsolved.Number = 8;
    const std::string text = IndexText({first, epilogue, unsolved}, "levels");
    EXPECT_NE(text.find("## Level 7: Bonus Hunt\n\nTake the detours.\n"), std::string::npos);
    EXPECT_NE(text.find("| `ABCDEF` | 5 | 2 | 30 x 14 | 1234 frames (20.6 s) |"),
              std::string::npos);
    EXPECT_NE(text.find("![Level 7](levels/Level7.png)"), std::string::npos);
    EXPECT_NE(text.find("| (epilogue, no code) | 0 | 0 | 30 x 14 | does not finish the level |"),
              std::string::npos);
    EXPECT_NE(text.find("## Level 8: (no source yet)"), std::string::npos);
    EXPECT_NE(text.find("| none yet |"), std::string::npos);
    EXPECT_LT(text.find("## Level 7"), text.find("## Level 51"));
}

TEST(LevelIndex, TheShippedLevelsAreDescribedFromTheirFilesAndSolutions) {
    const std::vector<IndexEntry> entries = CollectIndex({});
    ASSERT_FALSE(entries.empty());
    const app::LevelCodeTable codes;
    for (const IndexEntry& entry : entries) {
        SCOPED_TRACE("level " + std::to_string(entry.Number));
        EXPECT_EQ(entry.Code, codes.Code(entry.Number));
        EXPECT_GT(entry.Width, 2);
        EXPECT_GT(entry.Height, 2);
        if (entry.Number > 50) continue;  // the epilogue: no exit, nothing needed, no solution
        EXPECT_GT(entry.Needed, 0);
        EXPECT_TRUE(entry.HasSolution);
        ASSERT_TRUE(entry.SolutionFrames);
        EXPECT_GT(*entry.SolutionFrames, 0);
    }
}

}  // namespace
}  // namespace levels
