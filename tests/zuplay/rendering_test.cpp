// What is heard: the loopback device's mix compared sample by sample with the files played.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <sndfile.h>

#include "tests/zuplay/fixtures.h"
#include "zuplay/downmix.h"
#include "zuplay/midi_file.h"

namespace zuplay::testing {
namespace {

constexpr int kRate = kLoopbackRate;  // files at the mix rate are not resampled
constexpr int kSilence = 2;           // the mixer's dither moves silence by a step or so
constexpr int kMaxLag = 512;          // frames the mixer may delay its output

using Samples = std::vector<std::int16_t>;

// Largest difference between rendered frames [from + lag, to + lag) and expected [from, to).
int Difference(const Samples& rendered, const Samples& expected, int lag, int from, int to) {
    int worst = 0;
    for (int i = from * 2; i < to * 2; ++i) {
        worst = std::max(worst, std::abs(rendered[i + lag * 2] - expected[i]));
    }
    return worst;
}

// The mixer's delay: the lag at which expected frames [from, to) line up, or -1.
int FindLag(const Samples& rendered, const Samples& expected, int to, int from = 0) {
    for (int lag = 0; lag < kMaxLag; ++lag) {
        if (Difference(rendered, expected, lag, from, to) <= kSilence) return lag;
    }
    return -1;
}

int Loudest(const Samples& samples, int fromFrame, int toFrame) {
    int loudest = 0;
    for (int i = fromFrame * 2; i < toFrame * 2; ++i)
        loudest = std::max(loudest, std::abs(samples[i]));
    return loudest;
}

Samples Join(const Samples& a, const Samples& b) {
    Samples joined = a;
    joined.insert(joined.end(), b.begin(), b.end());
    return joined;
}

struct Rendering : ::testing::Test {
    TempFolder Folder;
    ManualLayer Audio;
};

TEST_F(Rendering, APlayedAliasSoundsAsItsFileAndStopSilencesIt) {
    Samples file = Pattern(kRate / 2, 2, 4000);
    WriteWav(Folder.File("s.wav"), file, 2, kRate);
    ASSERT_EQ(Audio.Send("open " + Folder.File("s.wav") + " type waveaudio alias s"), 0);
    EXPECT_LE(Loudest(Audio.Layer.Render(4096), 0, 4096), kSilence);  // opened, not played
    ASSERT_EQ(Audio.Send("play s from 0"), 0);
    Samples heard = Audio.Layer.Render(8192);
    int lag = FindLag(heard, file, 4096);
    ASSERT_GE(lag, 0) << "the mix never lines up with the file";
    EXPECT_LE(Difference(heard, file, lag, 0, 8192 - kMaxLag), kSilence);

    ASSERT_EQ(Audio.Send("stop s"), 0);
    Samples after = Audio.Layer.Render(4096);
    EXPECT_LE(Loudest(after, kMaxLag, 4096), kSilence);
}

// The mixer fades a play that starts inside the sound in over its first 2048 frames (against a
// click); after that the mix is the file from that place on.
TEST_F(Rendering, PlayFromStartsAtThatSample) {
    Samples file = Pattern(kRate, 2, 4000);
    WriteWav(Folder.File("s.wav"), file, 2, kRate);
    ASSERT_EQ(Audio.Send("open " + Folder.File("s.wav") + " type waveaudio alias s"), 0);
    ASSERT_EQ(Audio.Send("play s from 500"), 0);
    Samples heard = Audio.Layer.Render(8192);
    Samples fromHalf(file.begin() + kRate, file.end());  // 500 ms = 22050 frames in
    EXPECT_GE(FindLag(heard, fromHalf, 8192 - kMaxLag, 2048), 0);
}

TEST_F(Rendering, PauseFallsSilentAndResumeGoesOnWhereItWas) {
    Samples file = Pattern(kRate, 2, 4000);
    WriteWav(Folder.File("s.wav"), file, 2, kRate);
    ASSERT_EQ(Audio.Send("open " + Folder.File("s.wav") + " type waveaudio alias s"), 0);
    Audio.Send("play s from 0");
    Samples before = Audio.Layer.Render(3000);
    Audio.Send("pause s");
    Samples paused = Audio.Layer.Render(4000);
    EXPECT_LE(Loudest(paused, kMaxLag, 4000), kSilence);
    Audio.Send("resume s");
    Samples resumed = Audio.Layer.Render(6000);
    // Without the pause the mix would have been before followed directly by resumed.
    Samples joined = Join(before, resumed);
    int lag = FindLag(joined, file, 2000);
    ASSERT_GE(lag, 0);
    EXPECT_LE(Difference(joined, file, lag, 0, 2900 - lag), kSilence);
    EXPECT_LE(Difference(joined, file, lag, 3100, 9000 - kMaxLag), kSilence);
}

// The five aliases of one effect started a thousand frames apart all sound together: the mix is
// the sum of five shifted copies of the one file.
TEST_F(Rendering, FiveVariantsOfOneEffectSoundAtOnce) {
    constexpr int kStep = 1000;
    Samples file = Pattern(kRate / 4, 2, 2000);
    WriteWav(Folder.File("dig.wav"), file, 2, kRate);
    Samples heard;
    for (int digit = 0; digit < 5; ++digit) {
        std::string alias = "dig" + std::to_string(digit);
        ASSERT_EQ(Audio.Send("open " + Folder.File("dig.wav") + " type waveaudio alias " + alias),
                  0);
        ASSERT_EQ(Audio.Send("play " + alias + " from 0"), 0);
        heard = Join(heard, Audio.Layer.Render(kStep));
    }
    heard = Join(heard, Audio.Layer.Render(4000));
    EXPECT_EQ(Audio.Layer.DecodedFileCount(), 1u);

    const int frames = 5 * kStep + 4000;
    Samples expected(frames * 2, 0);
    for (int digit = 0; digit < 5; ++digit) {
        for (int i = 0; i + digit * kStep < frames && i < kRate / 4; ++i) {
            for (int c = 0; c < 2; ++c) expected[(i + digit * kStep) * 2 + c] += file[i * 2 + c];
        }
    }
    int lag = FindLag(heard, expected, kStep - kMaxLag);
    ASSERT_GE(lag, 0);
    EXPECT_LE(Difference(heard, expected, lag, 0, frames - kMaxLag), kSilence + 2);
    EXPECT_GT(Loudest(heard, 4 * kStep + kMaxLag, 5 * kStep), 4000);  // louder than one copy
}

TEST_F(Rendering, MonoFilesAreHeardOnBothSides) {
    Samples file(kRate / 2);
    for (std::size_t i = 0; i < file.size(); ++i) {
        file[i] = static_cast<std::int16_t>(8000 * std::sin(i * 2 * M_PI * 440 / kRate));
    }
    WriteWav(Folder.File("m.wav"), file, 1, kRate);
    ASSERT_EQ(Audio.Send("open " + Folder.File("m.wav") + " type waveaudio alias m"), 0);
    Audio.Send("play m from 0");
    Samples heard = Audio.Layer.Render(8192);
    double left = 0, right = 0;
    for (int i = 1024; i < 8192; ++i) {
        left += double(heard[i * 2]) * heard[i * 2];
        right += double(heard[i * 2 + 1]) * heard[i * 2 + 1];
    }
    double rmsLeft = std::sqrt(left / 7168), rmsRight = std::sqrt(right / 7168);
    EXPECT_GT(rmsLeft, 2000);  // the sine's own RMS is about 5650
    EXPECT_NEAR(rmsLeft, rmsRight, rmsLeft * 0.05);
}

// 5.1 in the WAVE order (front left, front right, centre, LFE, rear left, rear right): the centre
// and the rear channels reach their sides at -3 dB, the LFE is left out, nothing is cut.
TEST_F(Rendering, SurroundFilesAreMixedDownToStereo) {
    constexpr double kSide = 0.70710678;
    const int frames = kRate / 2;
    Samples six = Pattern(frames, 6, 1500);
    WriteWav(Folder.File("five-one.wav"), six, 6, kRate);
    Samples expected(frames * 2);
    for (int i = 0; i < frames; ++i) {
        const std::int16_t* in = &six[i * 6];
        expected[i * 2] = static_cast<std::int16_t>(std::lround(in[0] + kSide * (in[2] + in[4])));
        expected[i * 2 + 1] =
            static_cast<std::int16_t>(std::lround(in[1] + kSide * (in[2] + in[5])));
    }
    ASSERT_EQ(Audio.Send("open " + Folder.File("five-one.wav") + " type waveaudio alias s"), 0);
    ASSERT_EQ(Audio.Send("play s from 0"), 0);
    Samples heard = Audio.Layer.Render(8192);
    int lag = FindLag(heard, expected, 4096);
    ASSERT_GE(lag, 0) << "the mix never lines up with the folded file";
    EXPECT_LE(Difference(heard, expected, lag, 0, 8192 - kMaxLag), kSilence + 1);
    EXPECT_EQ(Audio.Status("s", "length"), 500);
}

// A file louder than 16 bits once folded is held at full scale, not wrapped round.
TEST(Downmix, HoldsSumsAtFullScale) {
    const std::vector<StereoWeights> weights = DownmixWeights({}, 6);
    const std::int16_t loud[6] = {32767, -32768, 32767, 32767, 32767, -32768};
    Samples out;
    MixToStereo(loud, 1, weights, out);
    EXPECT_EQ(out, (Samples{32767, -32768}));
    // A channel map from the file wins over the default order: here the LFE comes last.
    const std::vector<StereoWeights> mapped =
        DownmixWeights({SF_CHANNEL_MAP_FRONT_LEFT, SF_CHANNEL_MAP_FRONT_RIGHT,
                        SF_CHANNEL_MAP_FRONT_CENTER, SF_CHANNEL_MAP_LFE},
                       4);
    const std::int16_t quad[4] = {0, 0, 0, 1000};
    out.clear();
    MixToStereo(quad, 1, mapped, out);
    EXPECT_EQ(out, (Samples{0, 0}));
}

// The test tune (four quarter-second notes, made by tools/resgen) renders through the sound font
// in the background: about a second plus the last note's ring-out, heard on both sides, with its
// position moving as the mix does.
TEST_F(Rendering, MidiFilesPlayThroughTheSoundFont) {
    const std::string tune = std::string(ZUPLAY_TEST_RES) + "/tune.mid";
    ASSERT_EQ(Audio.Send("open " + tune + " type Sequencer alias t"), 0);
    Audio.Layer.WaitIdle();
    const std::int64_t length = Audio.Status("t", "length");
    EXPECT_GE(length, 1000);
    EXPECT_LE(length, 3100);
    ASSERT_EQ(Audio.Send("play t from 0"), 0);
    Samples heard = Audio.RenderMs(500);
    EXPECT_NEAR(Audio.Position("t"), 500, 15);
    EXPECT_GT(Loudest(heard, kMaxLag, kRate / 2), 1000);
    Audio.RenderMs(static_cast<int>(length));
    EXPECT_EQ(Audio.Position("t"), length);  // played to its end
}

// Without a sound font a MIDI file does not open, and the reason is said once on stderr.
TEST_F(Rendering, MidiWithoutASoundFontFailsWithOneLine) {
    const std::vector<std::string> installed = SoundFontSearch();
    SoundFontSearch() = {Folder.File("none.sf2")};
    const std::string tune = std::string(ZUPLAY_TEST_RES) + "/tune.mid";
    ::testing::internal::CaptureStderr();
    const int first = Audio.Send("open " + tune + " type Sequencer alias t");
    const int second = Audio.Send("open " + tune + " type Sequencer alias u");
    const std::string said = ::testing::internal::GetCapturedStderr();
    SoundFontSearch() = installed;
    EXPECT_EQ(first, static_cast<int>(CommandError::InvalidFile));
    EXPECT_EQ(second, static_cast<int>(CommandError::InvalidFile));
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_NE(said.find("sound font"), std::string::npos) << said;
}

}  // namespace
}  // namespace zuplay::testing
