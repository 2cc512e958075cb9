// Bad input through the exports and the process-wide layer: every case fails cleanly with 0.
#include <gtest/gtest.h>

#include <string>

#include "tests/zuplay/fixtures.h"

namespace zuplay::testing {
namespace {

std::int32_t Open(const std::string& file, const std::string& alias) {
    ZuText f = Text(file), a = Text(alias);
    return ZuOpenSample(&f, &a);
}

std::int32_t Play(const std::string& alias) {
    ZuText a = Text(alias);
    return ZuPlaySample(&a);
}

TEST(BadInput, NamesTheCommandsCannotCarryFail) {
    TempFolder folder;
    std::string good = folder.File("good.wav");
    WriteWav(good, Pattern(4410, 1, 1000), 1, 44100);
    std::string spaced = folder.File("with space.wav");
    WriteWav(spaced, Pattern(4410, 1, 1000), 1, 44100);
    std::string quoted = folder.File("q\"uote.wav");
    WriteWav(quoted, Pattern(4410, 1, 1000), 1, 44100);
    std::string accented = folder.File(
        "b\xC3\xA9"
        "bop.wav");
    WriteWav(accented, Pattern(4410, 1, 1000), 1, 44100);

    EXPECT_EQ(Open(quoted, "a"), 0);
    EXPECT_EQ(Open(good, "two words"), 0);
    EXPECT_EQ(Open(good, "\"quoted\""), 0);
    EXPECT_EQ(Open(good, "caf\xC3\xA9"), 0);
    EXPECT_EQ(Open(good, std::string(10000, 'x')), 0);
    EXPECT_EQ(Open(good, ""), 0);
    EXPECT_EQ(Open("", "a"), 0);
    EXPECT_EQ(Open(good + std::string(10000, 'x'), "a"), 0);
    EXPECT_EQ(Play(std::string(10000, 'x')), 0);
    EXPECT_EQ(Play(""), 0);
    EXPECT_EQ(Play("two words"), 0);  // "play two words from 0": one word too many

    // The layer still works after all that, and file names with spaces or UTF-8 bytes open (they
    // are carried between quotes).
    for (const std::string& file : {good, spaced, accented}) {
        EXPECT_EQ(Open(file, "good"), -1) << file;
        EXPECT_EQ(Play("good"), -1);
        ZuText alias = Text("good");
        EXPECT_EQ(ZuSampleLength(&alias), 100);
        EXPECT_EQ(ZuCloseSample(&alias), -1);
    }
}

TEST(BadInput, FilesThatAreNoSoundFail) {
    TempFolder folder;
    WriteBytes(folder.File("readme.wav"), "not a sound at all");
    WriteBytes(folder.File("empty.wav"), "");
    WriteBytes(folder.File("junk.mp3"), std::string(5000, '\xFF'));
    WriteWav(folder.File("header.wav"), {}, 1, 44100);  // a header and no samples
    const std::size_t aliasesBefore = ProcessLayer().AliasCount();
    EXPECT_EQ(Open(folder.File("readme.wav"), "t"), 0);
    EXPECT_EQ(Open(folder.File("empty.wav"), "e"), 0);
    EXPECT_EQ(Open(folder.File("junk.mp3"), "j"), 0);
    EXPECT_EQ(Open(folder.File("header.wav"), "h"), 0);
    EXPECT_EQ(Open(folder.Path.string(), "dir"), 0);
    EXPECT_EQ(Open(folder.File("missing.wav"), "m"), 0);
    EXPECT_EQ(Play("t"), 0);
    EXPECT_EQ(ProcessLayer().AliasCount(), aliasesBefore);
}

TEST(BadInput, CommandsWithMissingWordsFail) {
    MultimediaLayer& layer = ProcessLayer();
    for (const char* command : {"", "play", "play a", "open", "open x type", "status", "put a",
                                "close", " ", "stop  a"}) {
        EXPECT_NE(layer.Send(command, nullptr, 0), 0) << '"' << command << '"';
    }
}

}  // namespace
}  // namespace zuplay::testing
