// Every sound of the resource tree: 16-bit PCM WAV of the expected length, starting and ending
// in silence (no clicks), without DC offset, peaking near -3 dBFS; all different; and the music
// an MP3 of about 80 seconds, the interval at which the game restarts it.
// Runs on the test's thread.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "tests/res/res_catalogue_support.h"
#include "tests/res/res_files_support.h"

namespace res_testing {
namespace {

TEST(Sounds, EffectsAreSixteenBitPcmOfTheExpectedLength) {
    for (const SoundRule& rule : Effects()) {
        SCOPED_TRACE(rule.Path);
        const Wave w = ReadWave(ReadBytes(rule.Path));
        ASSERT_TRUE(w.Valid);
        EXPECT_EQ(w.Format, 1u);
        EXPECT_EQ(w.Bits, 16u);
        EXPECT_TRUE(w.Channels == 1 || w.Channels == 2);
        EXPECT_TRUE(w.Rate >= 22050 && w.Rate <= 48000) << w.Rate;
        const double seconds = static_cast<double>(w.Samples.size()) / w.Channels / w.Rate;
        EXPECT_GE(seconds, rule.MinSeconds);
        EXPECT_LE(seconds, rule.MaxSeconds);
    }
}

TEST(Sounds, EffectsAreCleanAndEquallyLoud) {
    for (const SoundRule& rule : Effects()) {
        SCOPED_TRACE(rule.Path);
        const Wave w = ReadWave(ReadBytes(rule.Path));
        ASSERT_TRUE(w.Valid && !w.Samples.empty());
        int peak = 0;
        double sum = 0, squares = 0;
        for (std::int16_t s : w.Samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
            sum += s;
            squares += static_cast<double>(s) * s;
        }
        const double n = static_cast<double>(w.Samples.size());
        const double peakDb = 20 * std::log10(peak / 32768.0);
        EXPECT_GE(peakDb, -4.0);
        EXPECT_LE(peakDb, -2.0);
        EXPECT_LT(std::abs(sum / n), 0.005 * 32768) << "DC offset";
        EXPECT_GT(20 * std::log10(std::sqrt(squares / n) / 32768.0), -40.0) << "barely audible";
        // A sound that starts or stops away from zero clicks.
        for (std::size_t i = 0; i < 4 * w.Channels; ++i) {
            EXPECT_LT(std::abs(w.Samples[i]), 330) << "click at the start";
            EXPECT_LT(std::abs(w.Samples[w.Samples.size() - 1 - i]), 330) << "click at the end";
        }
    }
}

TEST(Sounds, EveryEffectSoundsDifferent) {
    std::set<std::uint64_t> seen;
    for (const SoundRule& rule : Effects()) {
        std::uint64_t hash = 1469598103934665603ULL;  // FNV-1a of the file
        for (std::uint8_t b : ReadBytes(rule.Path)) hash = (hash ^ b) * 1099511628211ULL;
        EXPECT_TRUE(seen.insert(hash).second) << rule.Path << " is a copy of another effect";
    }
}

TEST(Sounds, MusicIsAnMp3OfAboutEightySeconds) {
    const double seconds = Mp3Seconds(ReadBytes(kMusic));
    EXPECT_GE(seconds, 79.0);
    EXPECT_LE(seconds, 81.5);
}

}  // namespace
}  // namespace res_testing
