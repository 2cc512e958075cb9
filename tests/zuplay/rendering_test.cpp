// What is heard: the loopback device's mix compared sample by sample with the files played.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "tests/zuplay/fixtures.h"

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

}  // namespace
}  // namespace zuplay::testing
