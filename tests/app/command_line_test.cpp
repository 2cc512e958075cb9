// The command line: window options, help and version, misuse, and the error-window mode left
// alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <vector>

#include "app/command_line.h"
#include "app/data_folder.h"
#include "app/demo_options.h"
#include "app/settings.h"

namespace app {
namespace {

using Action = CommandLine::Action;

CommandLine Parse(std::initializer_list<const char*> words) {
    std::vector<const char*> argv{"game"};
    argv.insert(argv.end(), words);
    return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLineTest, NoArgumentsPlaysAtTheDocumentedWindow) {
    const CommandLine line = Parse({});
    EXPECT_EQ(line.What, Action::Play);
    EXPECT_EQ(line.Window.Scale, 1);
    EXPECT_FALSE(line.Window.Fullscreen);
}

TEST(CommandLineTest, WindowOptionsInEitherSpelling) {
    EXPECT_EQ(Parse({"--scale", "3"}).Window.Scale, 3);
    EXPECT_EQ(Parse({"--scale=2", "--fullscreen"}).Window.Scale, 2);
    EXPECT_TRUE(Parse({"--scale=2", "--fullscreen"}).Window.Fullscreen);
    EXPECT_EQ(Parse({"--help", "--bogus"}).What, Action::Help);
    EXPECT_EQ(Parse({"-h"}).What, Action::Help);
    EXPECT_EQ(Parse({"--version"}).What, Action::Version);
}

TEST(CommandLineTest, TheSettingsFileGivesScaleAndFullScreenUnlessTheCommandLineDoes) {
    DisplaySettings file;
    file.Scale = 3;
    file.Fullscreen = true;
    const presentation::WindowOptions plain = WithSettings({}, file);
    EXPECT_EQ(plain.Scale, 3);
    EXPECT_TRUE(plain.Fullscreen);
    const presentation::WindowOptions chosen = WithSettings({2, false}, file);
    EXPECT_EQ(chosen.Scale, 2);      // the command line's own choice
    EXPECT_TRUE(chosen.Fullscreen);  // a flag the command line cannot switch off
    EXPECT_EQ(WithSettings({}, {}).Scale, 1);
}

TEST(CommandLineTest, MisuseNamesWhatWasWrong) {
    for (auto words : {std::vector<const char*>{"--bogus"},
                       {"--scale"},
                       {"--scale", "0"},
                       {"--scale", "9"},
                       {"--scale=2x"},
                       {"--scale="},
                       {"--scales=2"},
                       {"--fullscreen", "-x"},
                       {"--record"},
                       {"--scale", "2", "--watch"}}) {
        std::vector<const char*> argv{"game"};
        argv.insert(argv.end(), words.begin(), words.end());
        const CommandLine line = ParseCommandLine(static_cast<int>(argv.size()), argv.data());
        EXPECT_EQ(line.What, Action::Misuse) << words.back();
        EXPECT_FALSE(line.Problem.empty());
    }
}

TEST(CommandLineTest, WordsAfterTheOptionsAndTheErrorWindowModeAreLeftAlone) {
    EXPECT_EQ(Parse({"ERROR", "Title", "--not an option"}).What, Action::Play);
    EXPECT_EQ(Parse({"-", "ERROR", "Title", "-message"}).What, Action::Play);  // nested reports
    EXPECT_EQ(Parse({"--scale", "2", "level", "--bogus"}).Window.Scale, 2);
    EXPECT_EQ(Parse({"--", "--bogus"}).What, Action::Play);
    EXPECT_NE(UsageText("game").find("--fullscreen"), std::string::npos);
}

TEST(CommandLineTest, DemoOptionsAreLeftToTheDemosAndTheirFilesMadeAbsolute) {
    EXPECT_EQ(Parse({"--watch", "3", "--fullscreen"}).What, Action::Play);
    EXPECT_TRUE(Parse({"--play", "--odd file", "--fullscreen"}).Window.Fullscreen);
    EXPECT_TRUE(Parse({"--edit", "--fullscreen"}).Window.Fullscreen);
    EXPECT_TRUE(Parse({"--edit", "3", "--fullscreen"}).Window.Fullscreen);
    EXPECT_EQ(Parse({"--level"}).What, Action::Misuse);
    std::vector<std::string> words{"game", "--record", "mine.demo", "--watch", "7"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    const std::vector<std::string> absolute = WithAbsoluteFiles(5, argv.data());
    EXPECT_EQ(absolute[2], (std::filesystem::current_path() / "mine.demo").string());
    EXPECT_EQ(absolute[4], "7");  // a level number stays as it is
    EXPECT_EQ(ReadDemoOptions(5, argv.data()).Watch, 7);
}

class DataFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() /
            ("data-folder-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(root_ / "prefix/bin");
        std::filesystem::create_directories(root_ / "elsewhere");
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    void MakeData(const std::filesystem::path& folder, bool withLevels = true) {
        std::filesystem::create_directories(folder / "res");
        if (withLevels) std::filesystem::create_directories(folder / "lvl");
    }
    std::filesystem::path root_;
};

TEST_F(DataFolderTest, TheWorkingDirectoryWinsWhenItHoldsTheData) {
    MakeData(root_ / "elsewhere");
    MakeData(root_ / "prefix/share/game");
    EXPECT_EQ(ChooseDataFolder(root_ / "elsewhere", root_ / "prefix/bin/game", "../share/game"),
              root_ / "elsewhere");
}

TEST_F(DataFolderTest, OtherwiseTheFolderInstalledBesideTheProgram) {
    MakeData(root_ / "elsewhere", false);  // res/ alone is not the game's data
    MakeData(root_ / "prefix/share/game");
    EXPECT_EQ(ChooseDataFolder(root_ / "elsewhere", root_ / "prefix/bin/game", "../share/game"),
              root_ / "prefix/share/game");
}

TEST_F(DataFolderTest, WithNeitherTheWorkingDirectoryStays) {
    EXPECT_EQ(ChooseDataFolder(root_ / "elsewhere", root_ / "prefix/bin/game", "../share/game"),
              root_ / "elsewhere");
    EXPECT_EQ(ChooseDataFolder(root_ / "elsewhere", "", "../share/game"), root_ / "elsewhere");
    std::ofstream(root_ / "prefix/res");  // files, not folders
    std::ofstream(root_ / "prefix/lvl");
    EXPECT_FALSE(HoldsGameData(root_ / "prefix"));
}

}  // namespace
}  // namespace app
