// The live checks count what the player placed and say in words what keeps a level unplayable.
#include "editor/level_check.h"

#include <gtest/gtest.h>

#include "editor/level_edit.h"
#include "world/map_picture.h"

namespace editor {
namespace {

LevelReport CheckPicture(std::string_view picture) {
    return CheckLevel(*world::MapFromPicture(picture, world::Massive));
}

TEST(CheckLevel, CountsAndProblemsInTheirWords) {
    const LevelReport playable = CheckPicture("#^*c+C v#");
    EXPECT_EQ(playable.Needed, 2);
    EXPECT_EQ(playable.Bonus, 2);
    EXPECT_EQ(playable.Starts, 1);
    EXPECT_EQ(playable.Exits, 1);
    EXPECT_TRUE(playable.Playable());

    EXPECT_EQ(CheckLevel(FramedMap()).Problems,
              (std::vector<std::string>{"No start stair: place one", "No exit: place one"}));
    EXPECT_EQ(CheckPicture("#^^^vv#").Problems,
              (std::vector<std::string>{"3 start stairs: keep one"}));

    world::LevelMap odd = *world::MapFromPicture("#^v#", world::Massive);
    odd.At(5, 5) = odd.At(6, 5) = world::CellOfCode(99);  // a level file may hold any byte
    EXPECT_EQ(CheckLevel(odd).Problems,
              (std::vector<std::string>{"2 unknown cells: repaint them"}));
}

}  // namespace
}  // namespace editor
