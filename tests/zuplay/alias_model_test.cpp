// The alias model of the multimedia layer: names, sharing, play/stop/pause/resume and positions,
// driven on a loopback device that mixes only when the test renders.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/zuplay/fixtures.h"

namespace zuplay::testing {
namespace {

constexpr int kRate = 44100;

struct AliasModel : ::testing::Test {
    void SetUp() override {
        WriteWav(Clip, Pattern(kRate / 2, 1, 3000), 1, kRate);  // 500 ms
        WriteWav(Other, Pattern(kRate, 2, 3000), 2, kRate);     // 1000 ms
    }
    int Open(const std::string& file, const std::string& alias,
             const std::string& type = "waveaudio") {
        return Audio.Send("open " + file + " type " + type + " alias " + alias);
    }

    TempFolder Folder;
    std::string Clip = Folder.File("clip.wav");
    std::string Other = Folder.File("other.wav");
    ManualLayer Audio;
};

TEST_F(AliasModel, AliasesAreUniqueAndMustExist) {
    EXPECT_EQ(Open(Clip, "a"), 0);
    EXPECT_EQ(Open(Clip, "a"), static_cast<int>(CommandError::DuplicateAlias));
    EXPECT_EQ(Open(Other, "a"), static_cast<int>(CommandError::DuplicateAlias));
    EXPECT_EQ(Open(Clip, "A"), 0);  // names compare case-sensitively
    for (const char* command : {"play b from 0", "stop b", "pause b", "resume b", "close b",
                                "put b destination", "status b length", "status b position"}) {
        EXPECT_EQ(Audio.Send(command), static_cast<int>(CommandError::UnknownAlias)) << command;
    }
    EXPECT_EQ(Audio.Send("close a"), 0);
    EXPECT_EQ(Audio.Send("stop a"), static_cast<int>(CommandError::UnknownAlias));
    EXPECT_EQ(Open(Clip, "a"), 0);  // the name is free again
    EXPECT_EQ(Audio.Send("put a destination"), 0);
}

TEST_F(AliasModel, AliasesOfOneFileShareOneDecodedSound) {
    for (int digit = 0; digit < 5; ++digit) EXPECT_EQ(Open(Clip, "dig" + std::to_string(digit)), 0);
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 1u);
    EXPECT_EQ(Open(Other, "other"), 0);
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 2u);
    EXPECT_EQ(Audio.Status("dig3", "length"), 500);
    EXPECT_EQ(Audio.Status("other", "length"), 1000);
    for (int digit = 0; digit < 4; ++digit) Audio.Send("close dig" + std::to_string(digit));
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 2u);  // dig4 still holds it
    Audio.Send("close dig4");
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 1u);
    EXPECT_EQ(Audio.Layer.AliasCount(), 1u);
}

TEST_F(AliasModel, PlayRestartsAndPlayFromStartsThere) {
    ASSERT_EQ(Open(Other, "o"), 0);
    EXPECT_EQ(Audio.Position("o"), 0);
    EXPECT_EQ(Audio.Send("play o from 0"), 0);
    Audio.RenderMs(300);
    EXPECT_NEAR(Audio.Position("o"), 300, 1);
    EXPECT_EQ(Audio.Send("play o from 0"), 0);  // while sounding: back to the start
    EXPECT_NEAR(Audio.Position("o"), 0, 1);
    EXPECT_EQ(Audio.Send("play o from 250"), 0);
    EXPECT_NEAR(Audio.Position("o"), 250, 1);
    Audio.RenderMs(100);
    EXPECT_NEAR(Audio.Position("o"), 350, 1);
    EXPECT_EQ(Audio.Send("play o from -3"), static_cast<int>(CommandError::OutOfRange));
    EXPECT_EQ(Audio.Send("play o from 1001"), static_cast<int>(CommandError::OutOfRange));
    EXPECT_EQ(Audio.Send("play o from 1000"), 0);  // the very end: over at once
    EXPECT_EQ(Audio.Position("o"), 1000);
}

TEST_F(AliasModel, PauseHoldsThePositionAndResumeGoesOn) {
    ASSERT_EQ(Open(Other, "o"), 0);
    Audio.Send("play o from 0");
    Audio.RenderMs(200);
    EXPECT_EQ(Audio.Send("pause o"), 0);
    std::int64_t held = Audio.Position("o");
    EXPECT_NEAR(held, 200, 1);
    Audio.RenderMs(300);
    EXPECT_EQ(Audio.Position("o"), held);
    EXPECT_EQ(Audio.Send("pause o"), 0);  // pausing again changes nothing
    EXPECT_EQ(Audio.Send("resume o"), 0);
    Audio.RenderMs(100);
    EXPECT_NEAR(Audio.Position("o"), held + 100, 1);
    EXPECT_EQ(Audio.Send("resume o"), 0);  // resuming a playing alias changes nothing
    Audio.RenderMs(100);
    EXPECT_NEAR(Audio.Position("o"), held + 200, 1);
}

TEST_F(AliasModel, StopHoldsThePositionAndAPlayRunsToItsEnd) {
    ASSERT_EQ(Open(Clip, "c"), 0);
    EXPECT_EQ(Audio.Send("stop c"), 0);  // stopping a silent alias is fine
    Audio.Send("play c from 0");
    Audio.RenderMs(100);
    EXPECT_EQ(Audio.Send("stop c"), 0);
    std::int64_t stopped = Audio.Position("c");
    EXPECT_NEAR(stopped, 100, 1);
    Audio.RenderMs(100);
    EXPECT_EQ(Audio.Position("c"), stopped);
    EXPECT_EQ(Audio.Send("resume c"), 0);  // only a paused alias resumes
    Audio.RenderMs(100);
    EXPECT_EQ(Audio.Position("c"), stopped);
    Audio.Send("play c from 0");
    Audio.RenderMs(700);
    EXPECT_EQ(Audio.Position("c"), 500);  // ended: at its length
    EXPECT_EQ(Audio.Send("pause c"), 0);
    EXPECT_EQ(Audio.Position("c"), 500);
}

TEST_F(AliasModel, DeviceTypesDecideWhatOpens) {
    std::string noExtension = Folder.File("sound");
    WriteWav(noExtension, Pattern(100, 1, 100), 1, kRate);
    EXPECT_EQ(Open(Clip, "w", "waveaudio"), 0);
    EXPECT_EQ(Open(Clip, "m", "MPEGVideo"), 0);
    EXPECT_EQ(Open(Clip, "m2", "MPEGVideo2"), 0);
    EXPECT_EQ(Audio.Send("open " + noExtension + " type  alias e"), 0);  // by content
    EXPECT_EQ(Open(Clip, "s", "Sequencer"),
              static_cast<int>(CommandError::InvalidFile));  // no MIDI
    EXPECT_EQ(Open(Clip, "d", "CDAudio"), static_cast<int>(CommandError::UnsupportedType));
    EXPECT_EQ(Open(Clip, "x", "avivideo"), static_cast<int>(CommandError::UnknownType));
    EXPECT_EQ(Open(Clip, "y", "WaveAudio"), static_cast<int>(CommandError::UnknownType));
}

TEST_F(AliasModel, Mp3FilesDecodeAndTruncatedOnesFailOrPlayWhatIsThere) {
    std::string song = Folder.File("song.mp3");
    if (!WriteMp3(song, Pattern(kRate * 2, 2, 3000), 2, kRate)) GTEST_SKIP() << "no MP3 writer";
    std::string whole;
    {
        std::ifstream in(song, std::ios::binary);
        whole.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string stub = Folder.File("stub.mp3");
    WriteBytes(stub, std::string_view(whole).substr(0, 300));
    std::string half = Folder.File("half.mp3");
    WriteBytes(half, std::string_view(whole).substr(0, whole.size() / 2));

    EXPECT_EQ(Open(song, "song", "MPEGVideo"), 0);
    EXPECT_NEAR(Audio.Status("song", "length"), 2000, 60);  // the encoder pads a little
    EXPECT_NE(Open(stub, "stub", "MPEGVideo"), 0);
    EXPECT_EQ(Open(half, "half", "MPEGVideo"), 0);
    EXPECT_NEAR(Audio.Status("half", "length"), 1000, 100);
    EXPECT_EQ(Audio.Send("play half from 0"), 0);
    Audio.RenderMs(1500);
    EXPECT_EQ(Audio.Position("half"), Audio.Status("half", "length"));
}

// Sounds longer than a few seconds decode on the background thread; the open does not wait,
// and a play asked for meanwhile starts once the sound is there.
TEST_F(AliasModel, LongSoundsDecodeInTheBackground) {
    std::string music = Folder.File("music.wav");
    WriteWav(music, Pattern(kRate * 10, 2, 3000), 2, kRate);
    ASSERT_EQ(Open(music, "music"), 0);
    EXPECT_EQ(Audio.Status("music", "length"), 10000);  // from the header meanwhile
    EXPECT_EQ(Audio.Send("play music from 2000"), 0);
    EXPECT_EQ(Open(music, "again"), 0);
    Audio.Layer.WaitIdle();
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 1u);
    EXPECT_NEAR(Audio.Position("music"), 2000, 1);
    Audio.RenderMs(500);
    EXPECT_NEAR(Audio.Position("music"), 2500, 1);
    EXPECT_EQ(Audio.Position("again"), 0);

    // Closed while still decoding: the decode is dropped.
    std::string other = Folder.File("other-music.wav");
    WriteWav(other, Pattern(kRate * 10, 2, 3000), 2, kRate);
    ASSERT_EQ(Open(other, "brief"), 0);
    EXPECT_EQ(Audio.Send("close brief"), 0);
    Audio.Layer.WaitIdle();
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 1u);
}

}  // namespace
}  // namespace zuplay::testing
