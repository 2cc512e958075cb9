// Level files: the column-major layout, the reading rules, the start cell, restarting, and the
// error for a file that cannot be opened.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/world/world_test_support.h"
#include "world/file_write.h"
#include "world/level_file.h"
#include "world/map_picture.h"

namespace world {
namespace {

using test::TempLevels;

TEST(LevelText, FirstLineOfTheFileIsTheLeftmostColumn) {
    std::string text;
    for (int x = 0; x < 64; ++x) {
        for (int y = 0; y < 64; ++y)
            text += std::to_string(CodeOf(x == 0   ? Stone
                                          : y == 5 ? Empty
                                                   : Earth)) +
                    (y < 63 ? "," : "");
        text += "\r\n";
    }
    const LevelMap map = ParseLevelText(text);
    EXPECT_EQ(map.At(0, 63), Stone);
    EXPECT_EQ(map.At(1, 0), Earth);
    EXPECT_EQ(map.At(7, 5), Empty);
    EXPECT_EQ(map.At(5, 7), Earth);
}

TEST(LevelText, SeparatorsRealsLowBitsEmptyFieldsAndShortFiles) {
    // Comma, blanks, comma with blanks, one per line (LF, CR, CR LF), then an empty field.
    const LevelMap map = ParseLevelText("2,3 4 , 5\t6\n7\r8\r\n3.6, 300 ,1e1,,-1, 2.5, &H33");
    const int expected[] = {2, 3, 4, 5, 6, 7, 8, 4, 44, 10, 0, -1, 2, 51};
    for (int k = 0; k < 14; ++k) EXPECT_EQ(CodeOf(map.Cells[k]), expected[k]) << k;
    EXPECT_EQ(map.Cells[14], Earth);  // the rest of a short file
    EXPECT_EQ(map.Cells[4095], Earth);

    std::string many;
    for (int k = 0; k < 5000; ++k) many += k < 4096 ? "1\n" : "9\n";
    const LevelMap full = ParseLevelText(many);
    EXPECT_EQ(full.Cells[4095], Empty);  // numbers beyond the 4096th are ignored

    const LevelMap hostile = ParseLevelText(std::string(100000, '9') + ",1e999999,junk,  ,4");
    EXPECT_EQ(hostile.Cells[1], Earth);  // not finite: no bits
    EXPECT_EQ(hostile.Cells[2], Earth);  // not a number
    EXPECT_EQ(hostile.Cells[4], StairUp);
}

class LevelFileTest : public ::testing::Test {
  protected:
    // Writes a level file (one line per column) and returns its number.
    int WriteLevel(const LevelMap& map) {
        const int number = ++written_;
        std::ofstream out(levels_.FileOf(number));
        for (int x = 0; x < 64; ++x) {
            for (int y = 0; y < 64; ++y) out << CodeOf(map.At(x, y)) << (y < 63 ? " " : "\n");
        }
        return number;
    }

    TempLevels temp_;
    LevelFolder levels_ = temp_.Folder();
    int written_ = 0;
};

TEST_F(LevelFileTest, LoadCountsOnlyNeededCrystalsAndStartIsTheLastStairUp) {
    LevelMap map;
    map.At(3, 3) = Crystal;
    map.At(4, 3) = CrystalEarth;
    map.At(5, 3) = BCrystal;
    map.At(6, 3) = BCrystalEarth;
    map.At(10, 20) = StairUp;
    map.At(10, 30) = StairUp;
    map.At(2, 50) = StairUp;
    auto game = std::make_unique<GameState>();
    game->LevelNumber = WriteLevel(map);
    EXPECT_FALSE(LoadLevel(*game, levels_));
    FindStart(*game);
    EXPECT_EQ(game->Needed, 2);
    EXPECT_EQ(game->Player.X, 10);
    EXPECT_EQ(game->Player.Y, 30);
    EXPECT_EQ(game->Map.At(10, 30), StairUp);  // the stair stays; the player stands on it

    map.At(10, 20) = map.At(10, 30) = map.At(2, 50) = Stone;
    game->LevelNumber = WriteLevel(map);
    EXPECT_FALSE(LoadLevel(*game, levels_));
    FindStart(*game);
    EXPECT_EQ(game->Player.X, 1);  // no stair: (1, 1), whatever is there
    EXPECT_EQ(game->Player.Y, 1);
}

TEST_F(LevelFileTest, RestartClearsTheLevelsProgressAndKeepsTheRest) {
    LevelMap map;
    map.At(8, 8) = StairUp;
    auto game = std::make_unique<GameState>();
    game->LevelNumber = WriteLevel(map);
    EXPECT_FALSE(LoadLevel(*game, levels_));
    game->Map.At(0, 0) = Massive;
    game->Player.Dead = game->Player.HasPickaxe = game->Player.HasTnt = game->Player.KeyLatch =
        true;
    game->Collected = 3, game->Dug = 9;
    game->Player.Facing = Facing::Right, game->Player.StepTimer = 4;
    game->ColumnTimers[5] = 17, game->LeakTimer = 60, game->TntFuse = 90, game->DigSoundNo = 3;
    game->Flames.Slots[2].Countdown = 11;
    EXPECT_FALSE(RestartLevel(*game, levels_));
    EXPECT_EQ(game->Map.At(0, 0), Earth);
    EXPECT_EQ(game->Player.X, 8);
    EXPECT_EQ(game->Player.Dead + game->Player.HasPickaxe + game->Player.HasTnt, 0);
    EXPECT_EQ(game->Collected + game->Dug, 0);
    EXPECT_EQ(game->Flames.Slots[2].Countdown, -1);
    EXPECT_TRUE(game->Player.KeyLatch);
    EXPECT_EQ(game->Player.Facing, Facing::Right);
    EXPECT_EQ(game->Player.StepTimer, 4);
    EXPECT_EQ(game->ColumnTimers[5], 17);
    EXPECT_EQ(game->LeakTimer, 60);
    EXPECT_EQ(game->TntFuse, 90);
    EXPECT_EQ(game->DigSoundNo, 3);
}

TEST_F(LevelFileTest, AMissingFileIsAnErrorNamingItAndLeavesTheGameAsItWas) {
    auto game = std::make_unique<GameState>();
    game->Map.At(3, 3) = Stone;
    game->Needed = 5;
    game->LevelNumber = 7000001;
    const std::optional<LevelError> error = LoadLevel(*game, levels_);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->LevelNumber, 7000001);
    EXPECT_EQ(error->Message(), "Could not open file '" + levels_.FileOf(7000001).string() + "'");
    EXPECT_EQ(game->Map.At(3, 3), Stone);
    EXPECT_EQ(game->Needed, 5);
    EXPECT_TRUE(RestartLevel(*game, levels_));
    // A folder of that name opens but cannot be read: as unreadable as a missing file.
    std::filesystem::create_directory(levels_.FileOf(7000002));
    game->LevelNumber = 7000002;
    EXPECT_TRUE(LoadLevel(*game, levels_));
    EXPECT_EQ(LevelPath(7), "lvl\\Level7.dat");
    EXPECT_EQ(LevelPath(12), "lvl\\Level12.dat");
    EXPECT_EQ(LevelPath(2147483648LL), "lvl\\Level2147483648.dat");
    EXPECT_EQ(LevelFolder().NameOf(7000001), "lvl\\Level7000001.dat");
}

// A level played on its own answers to its number only; another number names no file, so finishing
// it can never wander into some other level.
TEST_F(LevelFileTest, AOneFileFolderServesItsFileUnderItsNumberOnly) {
    LevelMap map;
    map.At(5, 6) = StairUp;
    const std::filesystem::path file = temp_.Dir() / "castle.dat";
    ASSERT_TRUE(WriteFileAtomically(file, LevelFileText(map)));
    const LevelFolder one = LevelFolder::OneFile(file, 3);
    ASSERT_TRUE(one.Read(3));
    EXPECT_EQ(one.Read(3)->Cells, map.Cells);
    EXPECT_EQ(one.NameOf(3), file.string());
    EXPECT_FALSE(one.Read(4));
    EXPECT_FALSE(one.Read(1));
    EXPECT_EQ(SourceBeside(file), temp_.Dir() / "castle.txt");
    EXPECT_EQ(DemoBeside(file), temp_.Dir() / "castle.demo");
    EXPECT_EQ(SourceBeside("a/notes.txt"), "a/notes.txt.txt");
    EXPECT_EQ(DemoBeside("a/run.demo"), "a/run.demo.demo");
}

TEST_F(LevelFileTest, AnAtomicWriteReplacesWholeOrLeavesTheOldFileAndSaysWhy) {
    const std::filesystem::path file = temp_.Dir() / "kept.txt";
    ASSERT_TRUE(WriteFileAtomically(file, "old"));
    ASSERT_TRUE(WriteFileAtomically(file, "new text"));
    std::string error;
    // A folder where the file should be: the rename fails, the folder stays as it was.
    const std::filesystem::path folder = temp_.Dir() / "folder";
    std::filesystem::create_directories(folder / "inside");
    EXPECT_FALSE(WriteFileAtomically(folder, "x", &error));
    EXPECT_TRUE(error.starts_with("cannot write " + folder.string() + ": ")) << error;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
    // Under a regular file nothing can be created at all.
    EXPECT_FALSE(WriteFileAtomically(file / "below.txt", "x", &error));
    EXPECT_NE(error.find("Not a directory"), std::string::npos) << error;
    std::ifstream in(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "new text");
    for (const auto& entry : std::filesystem::directory_iterator(temp_.Dir()))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();
}

}  // namespace
}  // namespace world
