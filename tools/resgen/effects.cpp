// The twelve sound effects, synthesised from sine partials, filtered noise and pitch glides.
// Each is short (the explosion about a second, the rest well under), starts and ends in silence
// and peaks at -3 dBFS, so the game's effects share one loudness. Generator thread.
#include <string>

#include "tools/resgen/art.h"
#include "tools/resgen/dsp.h"
#include "tools/resgen/mathx.h"

namespace resgen {

namespace {

using dsp::NoiseBurst;
using dsp::Partial;
using dsp::Signal;

constexpr double kPeak = 0.7079;  // -3 dBFS

// A struck bell-like note: a fundamental and two inharmonic partials that die away faster.
void AddBell(Signal& s, double t0, double hz, double amp, double tau) {
    dsp::AddPartial(s, {.T0 = t0, .Dur = tau * 5, .F0 = hz, .F1 = hz, .Amp = amp, .Tau = tau});
    dsp::AddPartial(s, {.T0 = t0,
                        .Dur = tau * 3,
                        .F0 = hz * 2.76,
                        .F1 = hz * 2.76,
                        .Amp = amp * 0.3,
                        .Tau = tau * 0.35});
    dsp::AddPartial(s, {.T0 = t0,
                        .Dur = tau * 2,
                        .F0 = hz * 5.4,
                        .F1 = hz * 5.4,
                        .Amp = amp * 0.12,
                        .Tau = tau * 0.15});
}

Signal ButtonClick() {
    Signal s = dsp::Silence(0.09);
    Rng rng(101);
    dsp::AddPartial(s, {.Dur = 0.09,
                        .F0 = 1800,
                        .F1 = 1200,
                        .Glide = 0.02,
                        .Amp = 0.6,
                        .Attack = 0.001,
                        .Tau = 0.012});
    dsp::AddPartial(s, {.Dur = 0.09,
                        .F0 = 620,
                        .F1 = 520,
                        .Glide = 0.03,
                        .Amp = 0.5,
                        .Attack = 0.001,
                        .Tau = 0.02});
    dsp::AddNoise(s,
                  {.Dur = 0.02,
                   .C0 = 4000,
                   .C1 = 2000,
                   .Damping = 0.6,
                   .Band = true,
                   .Amp = 0.8,
                   .Attack = 0.0005,
                   .Tau = 0.003},
                  rng);
    return s;
}

Signal Dead() {
    Signal s = dsp::Silence(0.95);
    Rng rng(102);
    dsp::AddNoise(s,
                  {.Dur = 0.25,
                   .C0 = 400,
                   .C1 = 120,
                   .Damping = 1.0,
                   .Amp = 1.4,
                   .Attack = 0.002,
                   .Tau = 0.07},
                  rng);
    dsp::AddPartial(
        s,
        {.Dur = 0.3, .F0 = 110, .F1 = 55, .Glide = 0.2, .Amp = 0.7, .Attack = 0.002, .Tau = 0.09});
    // A falling, wavering minor phrase: three notes, the last one sagging.
    const double notes[][3] = {{0.06, 392.0, 0.16}, {0.25, 311.1, 0.16}, {0.44, 261.6, 0.45}};
    for (const auto& n : notes) {
        const double sag = n[0] > 0.4 ? 0.84 : 1.0;
        for (int h = 1; h <= 3; h += 2)
            dsp::AddPartial(s, {.T0 = n[0],
                                .Dur = n[2] + 0.08,
                                .F0 = n[1] * h,
                                .F1 = n[1] * h * sag,
                                .Glide = n[2],
                                .Amp = 0.32 / h,
                                .Attack = 0.015,
                                .Tau = n[2] * 0.9,
                                .Vibrato = 0.012,
                                .VibratoHz = 6});
    }
    return s;
}

Signal Finish() {
    Signal s = dsp::Silence(0.95);
    const double notes[] = {523.25, 659.26, 783.99, 1046.5};  // C major, rising
    for (int i = 0; i < 4; ++i)
        AddBell(s, 0.01 + i * 0.1, notes[i], i == 3 ? 0.5 : 0.35, i == 3 ? 0.22 : 0.12);
    AddBell(s, 0.31, 1318.5, 0.18, 0.2);
    AddBell(s, 0.31, 1568.0, 0.15, 0.2);
    return s;
}

Signal Explosion() {
    Signal s = dsp::Silence(1.05);
    Rng rng(104);
    dsp::AddNoise(s,
                  {.Dur = 1.05,
                   .C0 = 5500,
                   .C1 = 180,
                   .Damping = 1.2,
                   .Amp = 1.0,
                   .Attack = 0.003,
                   .Tau = 0.22},
                  rng);
    dsp::AddNoise(
        s,
        {.Dur = 1.05, .C0 = 220, .C1 = 90, .Damping = 1.4, .Amp = 1.6, .Attack = 0.01, .Tau = 0.35},
        rng);
    dsp::AddPartial(
        s,
        {.Dur = 0.8, .F0 = 95, .F1 = 32, .Glide = 0.5, .Amp = 0.9, .Attack = 0.003, .Tau = 0.22});
    for (int i = 0; i < 26; ++i) {  // debris crackling after the blast
        const double t = 0.05 + 0.55 * rng.Unit() * rng.Unit();
        dsp::AddNoise(s,
                      {.T0 = t,
                       .Dur = 0.03,
                       .C0 = 2500,
                       .C1 = 1500,
                       .Damping = 0.5,
                       .Band = true,
                       .Amp = 0.25 * (1.0 - t),
                       .Attack = 0.0005,
                       .Tau = 0.006},
                      rng);
    }
    dsp::Saturate(s, 2.5);
    return s;
}

Signal BreakStone() {
    Signal s = dsp::Silence(0.42);
    Rng rng(105);
    dsp::AddPartial(
        s,
        {.Dur = 0.2, .F0 = 150, .F1 = 80, .Glide = 0.1, .Amp = 0.6, .Attack = 0.001, .Tau = 0.05});
    for (int i = 0; i < 9; ++i) {  // chips flying off
        const double t = 0.005 + 0.18 * rng.Unit() * rng.Unit();
        const double c = rng.Range(900, 3200);
        dsp::AddNoise(s,
                      {.T0 = t,
                       .Dur = 0.12,
                       .C0 = c,
                       .C1 = c * 0.7,
                       .Damping = 0.35,
                       .Band = true,
                       .Amp = 0.55 - t,
                       .Attack = 0.0005,
                       .Tau = 0.018},
                      rng);
    }
    dsp::AddNoise(s,
                  {.Dur = 0.4,
                   .C0 = 1800,
                   .C1 = 500,
                   .Damping = 1.0,
                   .Amp = 0.5,
                   .Attack = 0.001,
                   .Tau = 0.07},
                  rng);
    dsp::Saturate(s, 1.8);  // crunchier, and as loud as the other effects
    return s;
}

Signal Dig() {
    Signal s = dsp::Silence(0.24);
    Rng rng(106);
    dsp::AddNoise(s,
                  {.Dur = 0.2,
                   .C0 = 1400,
                   .C1 = 500,
                   .Damping = 0.9,
                   .Amp = 1.0,
                   .Attack = 0.012,
                   .Tau = 0.045},
                  rng);
    dsp::AddNoise(s,
                  {.T0 = 0.07,
                   .Dur = 0.16,
                   .C0 = 900,
                   .C1 = 400,
                   .Damping = 0.9,
                   .Amp = 0.5,
                   .Attack = 0.01,
                   .Tau = 0.04},
                  rng);
    dsp::AddPartial(s, {.Dur = 0.12,
                        .F0 = 120,
                        .F1 = 70,
                        .Glide = 0.08,
                        .Amp = 0.35,
                        .Attack = 0.004,
                        .Tau = 0.035});
    return s;
}

Signal Pickup() {
    Signal s = dsp::Silence(0.38);
    AddBell(s, 0.0, 1318.5, 0.45, 0.06);
    AddBell(s, 0.065, 1975.5, 0.5, 0.09);
    dsp::AddPartial(s, {.T0 = 0.065,
                        .Dur = 0.3,
                        .F0 = 3951,
                        .F1 = 3951,
                        .Amp = 0.08,
                        .Attack = 0.003,
                        .Tau = 0.05,
                        .Vibrato = 0.004,
                        .VibratoHz = 30});
    return s;
}

Signal RollStone() {
    Signal s = dsp::Silence(0.5);
    Rng rng(108);
    dsp::AddPartial(
        s,
        {.Dur = 0.4, .F0 = 80, .F1 = 45, .Glide = 0.25, .Amp = 0.9, .Attack = 0.002, .Tau = 0.09});
    dsp::AddNoise(s,
                  {.Dur = 0.5,
                   .C0 = 600,
                   .C1 = 180,
                   .Damping = 1.0,
                   .Amp = 1.2,
                   .Attack = 0.002,
                   .Tau = 0.11},
                  rng);
    dsp::AddNoise(s,
                  {.Dur = 0.05,
                   .C0 = 2500,
                   .C1 = 1200,
                   .Damping = 0.7,
                   .Band = true,
                   .Amp = 0.4,
                   .Attack = 0.0005,
                   .Tau = 0.008},
                  rng);
    for (int i = 0; i < 4; ++i)  // grit under the boulder
        dsp::AddNoise(s,
                      {.T0 = 0.06 + 0.07 * i,
                       .Dur = 0.05,
                       .C0 = 700,
                       .C1 = 500,
                       .Damping = 0.6,
                       .Band = true,
                       .Amp = 0.25 - 0.05 * i,
                       .Attack = 0.002,
                       .Tau = 0.012},
                      rng);
    dsp::Saturate(s, 1.8);
    return s;
}

Signal StoneColl() {
    Signal s = dsp::Silence(0.45);
    const double partials[][2] = {{2093, 1.0}, {3322, 0.6}, {5274, 0.35}, {7040, 0.2}};
    for (double hit : {0.0, 0.085}) {
        const double gain = hit > 0 ? 0.45 : 1.0;
        for (const auto& p : partials)
            dsp::AddPartial(s, {.T0 = hit,
                                .Dur = 0.35,
                                .F0 = p[0],
                                .F1 = p[0],
                                .Amp = 0.35 * p[1] * gain,
                                .Attack = 0.0008,
                                .Tau = 0.07 / (p[0] / 2093)});
    }
    return s;
}

Signal StoneSlideSide() {
    Signal s = dsp::Silence(0.55);
    Rng rng(110);
    for (int i = 0; i < 14; ++i) {  // a grinding scrape: overlapping rough grains
        const double t = 0.01 + i * 0.032 + 0.01 * rng.Unit();
        dsp::AddNoise(s,
                      {.T0 = t,
                       .Dur = 0.09,
                       .C0 = rng.Range(500, 900),
                       .C1 = 400,
                       .Damping = 0.5,
                       .Band = true,
                       .Amp = 0.5 * (1.0 - i / 16.0),
                       .Attack = 0.01,
                       .Tau = 0.025},
                      rng);
    }
    dsp::AddNoise(s,
                  {.Dur = 0.55,
                   .C0 = 250,
                   .C1 = 150,
                   .Damping = 1.0,
                   .Amp = 0.8,
                   .Attack = 0.03,
                   .Tau = 0.18},
                  rng);
    return s;
}

Signal FassRoll() {
    Signal s = dsp::Silence(0.62);
    Rng rng(111);
    const double modes[][2] = {{165, 1.0}, {392, 0.55}, {648, 0.35}, {1023, 0.18}};
    const double hits[][2] = {{0.0, 1.0}, {0.2, 0.55}, {0.34, 0.3}};  // a hollow drum, bouncing
    for (const auto& h : hits) {
        for (const auto& m : modes)
            dsp::AddPartial(s, {.T0 = h[0],
                                .Dur = 0.27,
                                .F0 = m[0] * 1.04,
                                .F1 = m[0],
                                .Glide = 0.02,
                                .Amp = 0.3 * m[1] * h[1],
                                .Attack = 0.001,
                                .Tau = 0.06});
        dsp::AddNoise(s,
                      {.T0 = h[0],
                       .Dur = 0.04,
                       .C0 = 1500,
                       .C1 = 800,
                       .Damping = 0.8,
                       .Band = true,
                       .Amp = 0.4 * h[1],
                       .Attack = 0.0005,
                       .Tau = 0.008},
                      rng);
    }
    dsp::Saturate(s, 1.5);
    return s;
}

Signal Leak() {
    Signal s = dsp::Silence(0.32);
    // A drop: a sine whose pitch leaps upwards as the bubble closes, then a fainter echo.
    dsp::AddPartial(s, {.Dur = 0.12,
                        .F0 = 520,
                        .F1 = 1350,
                        .Glide = 0.045,
                        .Amp = 0.8,
                        .Attack = 0.002,
                        .Tau = 0.035});
    dsp::AddPartial(s, {.T0 = 0.13,
                        .Dur = 0.12,
                        .F0 = 470,
                        .F1 = 1150,
                        .Glide = 0.04,
                        .Amp = 0.3,
                        .Attack = 0.002,
                        .Tau = 0.03});
    dsp::AddPartial(s, {.Dur = 0.2,
                        .F0 = 180,
                        .F1 = 140,
                        .Glide = 0.1,
                        .Amp = 0.25,
                        .Attack = 0.004,
                        .Tau = 0.05});
    return s;
}

}  // namespace

std::vector<Sound> EffectSounds() {
    std::vector<Sound> out;
    auto add = [&](const char* name, const Signal& s, double fadeOut) {
        out.push_back({std::string("res/sound/") + name + ".wav",
                       dsp::Finish(s, kPeak, 0.002, fadeOut), 1, dsp::Rate});
    };
    add("buttonclick", ButtonClick(), 0.02);
    add("dead", Dead(), 0.1);
    add("finish", Finish(), 0.15);
    add("explosion", Explosion(), 0.25);
    add("breakstone", BreakStone(), 0.08);
    add("dig", Dig(), 0.05);
    add("pickup", Pickup(), 0.08);
    add("rollstone", RollStone(), 0.1);
    add("stonecoll", StoneColl(), 0.08);
    add("stoneslideside", StoneSlideSide(), 0.12);
    add("fassroll", FassRoll(), 0.1);
    add("leak", Leak(), 0.06);
    return out;
}

}  // namespace resgen
