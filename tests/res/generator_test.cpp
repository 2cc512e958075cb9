// The resource generator's own building blocks: its exactly rounded maths against the C
// library, its bitmap and WAV encoders read back by the game's decoder and the test's parser,
// the finishing pass that makes effects click-free, and the canvas rule that paint never turns
// into the key colour by accident.
// Runs on the test's thread.
#include <gtest/gtest.h>

#include <cmath>

#include "presentation/bitmap.h"
#include "tests/res/res_files_support.h"
#include "tools/resgen/canvas.h"
#include "tools/resgen/dsp.h"
#include "tools/resgen/files.h"
#include "tools/resgen/mathx.h"

namespace res_testing {
namespace {

namespace mathx = resgen::mathx;

TEST(GeneratorMaths, AgreesWithTheCLibraryAcrossItsRange) {
    for (double x = -40.0; x <= 40.0; x += 0.0137) {
        EXPECT_NEAR(mathx::Sin(x), std::sin(x), 1e-11) << x;
        EXPECT_NEAR(mathx::Cos(x), std::cos(x), 1e-11) << x;
        EXPECT_NEAR(mathx::SinTurns(x), std::sin(2 * M_PI * x), 1e-10) << x;
        EXPECT_NEAR(mathx::Exp2(x), std::exp2(x), std::exp2(x) * 1e-14) << x;
        EXPECT_NEAR(mathx::Tanh(x / 8), std::tanh(x / 8), 1e-14) << x;
        EXPECT_NEAR(mathx::Atan2(x, 3.0 - x), std::atan2(x, 3.0 - x), 1e-10) << x;
        const double positive = std::abs(x) + 1e-3;
        EXPECT_NEAR(mathx::Log2(positive), std::log2(positive), 1e-13) << x;
    }
    EXPECT_EQ(mathx::Exp2(10.0), 1024.0);  // whole powers are exact
    EXPECT_EQ(mathx::Atan2(0.0, -1.0), mathx::Pi);
    EXPECT_EQ(mathx::Semitones(12.0), 2.0);
}

TEST(GeneratorFiles, BitmapRowsArePaddedBottomUpAndDecodeToTheCanvas) {
    resgen::Canvas canvas(3, 2);  // 9 bytes a row, padded to 12
    canvas.Set(0, 0, resgen::Hex(0x102030));
    canvas.Set(2, 1, resgen::Hex(0xA0B0C0));
    const Bytes bytes = resgen::EncodeBitmap(canvas);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes[54 + 12], 0x30);  // the top row is stored last, blue first
    EXPECT_EQ(bytes[54 + 12 + 2], 0x10);
    EXPECT_EQ(bytes[54 + 9], 0);  // padding

    presentation::ImageBuffer image(3, 2, 0);
    ASSERT_EQ(presentation::DecodeBitmap(bytes, image), presentation::LoadStatus::Loaded);
    EXPECT_EQ(image.Row(0)[0] & 0xFFFFFF, 0x102030u);
    EXPECT_EQ(image.Row(0)[1] & 0xFFFFFF, 0xFF00FFu);  // unpainted stays the key colour
    EXPECT_EQ(image.Row(1)[2] & 0xFFFFFF, 0xA0B0C0u);
}

TEST(GeneratorFiles, WaveHeaderDescribesItsSamples) {
    const std::vector<std::int16_t> samples{0, 1000, -1000, 32767, -32767, 0};
    const Wave w = ReadWave(resgen::EncodeWave(samples, 2, 44100));
    ASSERT_TRUE(w.Valid);
    EXPECT_EQ(w.Format, 1u);
    EXPECT_EQ(w.Channels, 2u);
    EXPECT_EQ(w.Rate, 44100u);
    EXPECT_EQ(w.Bits, 16u);
    EXPECT_EQ(w.Samples, samples);
}

TEST(GeneratorSound, FinishingRemovesOffsetFadesTheEndsAndSetsThePeak) {
    // A loud square wave sitting on a DC offset, cut off abruptly at both ends.
    resgen::dsp::Signal s(4410);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = 0.3 + ((i / 50) % 2 ? 0.5 : -0.5);
    const std::vector<std::int16_t> out = resgen::dsp::Finish(s, 0.5, 0.005, 0.01);
    int peak = 0;
    double sum = 0;
    for (std::int16_t v : out) {
        peak = std::max(peak, std::abs(static_cast<int>(v)));
        sum += v;
    }
    EXPECT_EQ(peak, static_cast<int>(std::floor(0.5 * 32767 + 0.5)));
    EXPECT_LT(std::abs(sum / out.size()), 0.01 * 32767);
    EXPECT_EQ(out.front(), 0);
    EXPECT_EQ(out.back(), 0);
    EXPECT_LT(std::abs(out[1]), 200);  // the fade starts gently
}

TEST(GeneratorCanvas, PaintNeverBecomesTheKeyColourButClearDoes) {
    resgen::Canvas c(2, 1, resgen::Hex(0x000000));
    c.Set(0, 0, resgen::Key);
    EXPECT_FALSE(c.IsKey(0, 0));
    c.Clear(1, 0);
    EXPECT_TRUE(c.IsKey(1, 0));
    EXPECT_TRUE(c.IsKey(5, 5));  // outside counts as transparent
}

}  // namespace
}  // namespace res_testing
