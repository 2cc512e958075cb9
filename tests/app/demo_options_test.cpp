// The demo and editor options of the command line: each found among other arguments, and the ones
// that cannot go together, or lack their value, refused with a message.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/demo_options.h"
#include "app/edit_options.h"

namespace app {
namespace {

// The words as a program's arguments, "game" first.
class Arguments {
  public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {
        words_.insert(words_.begin(), "game");
        for (std::string& w : words_) pointers_.push_back(w.data());
    }
    int Count() const { return static_cast<int>(pointers_.size()); }
    char** Values() { return pointers_.data(); }

  private:
    std::vector<std::string> words_;
    std::vector<char*> pointers_;
};

DemoOptions Read(std::vector<std::string> words) {
    Arguments arguments(std::move(words));
    return ReadDemoOptions(arguments.Count(), arguments.Values());
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

EditOptions ReadEdit(std::vector<std::string> words) {
    Arguments arguments(std::move(words));
    return ReadEditOptions(arguments.Count(), arguments.Values());
}

// --edit's value is optional: a number is a level of lvl/, any other word a file, and a following
// option is no value.
TEST(EditOptions, TellLevelsFromFilesAndRefuseWhatClashes) {
    EXPECT_EQ(ReadEdit({"--edit", "12"}).EditLevel, 12);
    EXPECT_EQ(ReadEdit({"--edit", "castle.dat"}).File, "castle.dat");
    const EditOptions bare = ReadEdit({"--edit", "--fullscreen"});
    EXPECT_TRUE(bare.Edit && bare.File.empty() && bare.EditLevel == 0 && bare.Error.empty());
    const EditOptions level = ReadEdit({"--scale", "2", "--level", "/tmp/x.dat"});
    EXPECT_TRUE(level.PlayFile && level.File == "/tmp/x.dat" && level.Error.empty());
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--edit", "0"},
                                                                 {"--level"},
                                                                 {"--edit", "--level", "a"},
                                                                 {"--level", "a", "--watch", "1"}})
        EXPECT_FALSE(ReadEdit(bad).Error.empty()) << bad[0];
    // A bare --edit names a new file in the starting folder, never one that is there already.
    Arguments words({"--edit", "--fullscreen"});
    const std::vector<std::string> absolute = WithAbsoluteFiles(words.Count(), words.Values());
    ASSERT_EQ(absolute.size(), 4u);
    const std::filesystem::path made = absolute[2];
    EXPECT_EQ(made.parent_path(), std::filesystem::current_path());
    EXPECT_FALSE(std::filesystem::exists(made));
    EXPECT_EQ(absolute[3], "--fullscreen");
}

}  // namespace
}  // namespace app
