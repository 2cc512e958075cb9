// A level saved by the editor opens again as it was, with its proof; a failed save keeps the old
// files and says why; no save leaves the level file beside a demo made for another map.
#include "editor/level_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "editor/level_edit.h"
#include "world/file_write.h"
#include "world/level_file.h"

namespace editor {
namespace {

namespace fs = std::filesystem;

class LevelFiles : public testing::Test {
  protected:
    LevelFiles() { fs::create_directories(dir_); }
    ~LevelFiles() override { fs::remove_all(dir_); }

    const fs::path dir_ = fs::temp_directory_path() / ("editor_" + std::to_string(getpid()));
    const fs::path file_ = dir_ / "castle.dat";
    const world::LevelSource castle_{"The Castle", "Dig down.", FramedMap()};
    const demo::Demo proof_ = [] {
        demo::Demo proof;
        proof.AddFrame({.Right = true});
        return proof;
    }();
};

TEST_F(LevelFiles, SavedLevelsOpenAsTheyWereAndNeverWithAStaleProof) {
    std::string error;
    ASSERT_TRUE(SaveLevel(file_, castle_, &proof_, &error)) << error;
    std::optional<OpenedLevel> opened = OpenLevel(file_, &error);
    ASSERT_TRUE(opened) << error;
    EXPECT_EQ(opened->Source.Title, "The Castle");
    EXPECT_EQ(opened->Source.Notes, "Dig down.");
    EXPECT_EQ(world::ReadLevelFile(file_)->Cells, castle_.Map.Cells);  // as the game reads it
    EXPECT_EQ(opened->Proof, proof_);
    EXPECT_EQ(opened->Note, "");

    // Saved again without a proof, with a title and notes the source cannot hold as given.
    world::LevelSource changed{" \n", "Two\nlines", castle_.Map};
    changed.Map.At(9, 9) = world::Stone;
    ASSERT_TRUE(SaveLevel(file_, changed, nullptr, nullptr));
    opened = OpenLevel(file_, nullptr);
    EXPECT_EQ(opened->Source.Title, "castle");
    EXPECT_EQ(opened->Source.Notes, "Two lines");
    EXPECT_EQ(opened->Source.Map.At(9, 9), world::Stone);
    EXPECT_FALSE(opened->Proof);
    EXPECT_FALSE(fs::exists(world::DemoBeside(file_)));
}

TEST_F(LevelFiles, AFailedSaveKeepsTheOldFilesAndSaysWhy) {
    std::ofstream(dir_ / "plain") << "a file, not a folder";
    std::string error;
    EXPECT_FALSE(SaveLevel(dir_ / "plain" / "x.dat", castle_, nullptr, &error));
    EXPECT_EQ(error, "cannot write " + (dir_ / "plain" / "x.dat").string() + ": Not a directory");

    // A folder in the way of the level file's write: the old level and its proof stay whole.
    ASSERT_TRUE(SaveLevel(file_, castle_, &proof_, nullptr));
    const fs::path blocked = dir_ / "castle.dat.part";
    fs::create_directories(blocked);
    world::LevelSource changed = castle_;
    changed.Map.At(9, 9) = world::Stone;
    EXPECT_FALSE(SaveLevel(file_, changed, nullptr, &error));
    EXPECT_EQ(error, "cannot write " + file_.string() + ": Is a directory");
    EXPECT_EQ(OpenLevel(file_, nullptr)->Source.Map.Cells, castle_.Map.Cells);
    EXPECT_EQ(OpenLevel(file_, nullptr)->Proof, proof_);

    // The new level is written but its proof cannot be: the old proof goes with the old map.
    fs::remove(blocked);
    fs::create_directories(dir_ / "castle.demo.part");
    EXPECT_FALSE(SaveLevel(file_, changed, &proof_, &error));
    EXPECT_NE(error.find("castle.demo"), std::string::npos) << error;
    EXPECT_FALSE(OpenLevel(file_, nullptr)->Proof);
}

TEST_F(LevelFiles, OpeningSaysWhatItCouldNotUse) {
    std::string error;
    EXPECT_FALSE(OpenLevel(dir_ / "none.dat", &error));
    EXPECT_EQ(error, "cannot read " + (dir_ / "none.dat").string() + ": No such file or directory");

    ASSERT_TRUE(SaveLevel(file_, castle_, nullptr, nullptr));
    ASSERT_TRUE(world::WriteFileAtomically(file_, "6,6,6"));  // the source no longer matches
    ASSERT_TRUE(world::WriteFileAtomically(world::DemoBeside(file_), "walk north\n"));
    const std::optional<OpenedLevel> opened = OpenLevel(file_, nullptr);
    EXPECT_EQ(opened->Source.Title, "The Castle");
    EXPECT_EQ(opened->Source.Map.At(0, 3), world::Earth);
    EXPECT_FALSE(opened->Proof);
    EXPECT_TRUE(
        opened->Note.starts_with("castle.txt does not match the level file: title and "
                                 "notes kept, map from the level file\ncastle.demo "))
        << opened->Note;
}

}  // namespace
}  // namespace editor
