// "ambience": an 80-second loop for the caves. Slow pad chords in A minor over a low drone, sparse
// bell notes, water dripping somewhere and a breath of wind, all in a cave-like reverb.
//
// The game restarts the track every 80 seconds, so the loop is built to be circular: chords cross
// fade into each other and the last one into the first, sounds that ring past the end are folded
// back onto the start, continuous tones complete whole cycles in 80 seconds, and the filters and
// the reverb run over the loop twice so that their state at the start is the state the end leaves.
// Generator thread.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/resgen/art.h"
#include "tools/resgen/dsp.h"
#include "tools/resgen/mathx.h"
#include "tools/resgen/reverb.h"

namespace resgen {

namespace {

using dsp::Rate;
using dsp::Signal;

constexpr int kSeconds = 80;
constexpr int kLength = kSeconds * Rate;
constexpr int kTail = 12 * Rate;  // room for sounds that ring past the end
constexpr double kChordSeconds = 10.0;
constexpr double kFade = 3.0;  // chord cross-fade, seconds

struct Stereo {
    Signal L = Signal(kLength + kTail, 0.0);
    Signal R = Signal(kLength + kTail, 0.0);
};

double MidiHz(double note) {
    return 440.0 * mathx::Semitones(note - 69.0);
}

// One cycle of a soft saw wave (16 harmonics falling as 1 / n), for the pads.
const std::array<double, 4096>& SawTable() {
    static const std::array<double, 4096> table = [] {
        std::array<double, 4096> t{};
        for (std::size_t i = 0; i < t.size(); ++i)
            for (int h = 1; h <= 16; ++h)
                t[i] += mathx::SinTurns(h * static_cast<double>(i) / t.size()) / h * 0.55;
        return t;
    }();
    return table;
}

double Saw(double phase) {
    const auto& t = SawTable();
    const double pos = phase * t.size();
    const std::size_t i = static_cast<std::size_t>(pos) % t.size();
    const double frac = pos - std::floor(pos);
    return t[i] + (t[(i + 1) % t.size()] - t[i]) * frac;
}

// Gain of chord c at time t (seconds from its own start 1.5 s before its bar): a sin^2 rise and
// a cos^2 fall, which sum to one with the neighbouring chords' fades.
double ChordGain(double t) {
    const double len = kChordSeconds + kFade;
    if (t < 0 || t > len) return 0.0;
    if (t < kFade) return mathx::SinTurns(t / kFade / 4) * mathx::SinTurns(t / kFade / 4);
    if (t > len - kFade) {
        const double u = (len - t) / kFade / 4;
        return mathx::SinTurns(u) * mathx::SinTurns(u);
    }
    return 1.0;
}

constexpr int kChords[8][5] = {
    {45, 52, 55, 59, 60},  // Am9
    {41, 48, 52, 57, 60},  // Fmaj7
    {48, 55, 59, 64, 67},  // Cmaj7
    {43, 50, 59, 62, 64},  // G6
    {45, 52, 59, 60, 67},  // Am(add9)
    {50, 53, 57, 60, 64},  // Dm9
    {41, 48, 52, 57, 59},  // Fmaj7#11
    {40, 47, 52, 57, 59},  // Esus4, leading back to Am
};

void AddPadNote(Stereo& out, int start, double hz, double amp) {
    const int count = dsp::Index(kChordSeconds + kFade);
    dsp::Svf left, right;
    double pl = 0.0, pr = 0.37;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double g = ChordGain(t) * amp;
        const double at = static_cast<double>(start + i) / Rate;  // the loop's own clock
        const double cutoff = 650 + 450 * (0.5 + 0.5 * mathx::SinTurns(at / 40.0));
        left.Run(Saw(pl), cutoff, 1.1);
        right.Run(Saw(pr), cutoff, 1.1);
        out.L[start + i] += g * left.Low;
        out.R[start + i] += g * right.Low;
        pl += hz * 0.9977 / Rate;  // a few cents flat on the left, sharp on the right
        pr += hz * 1.0023 / Rate;
        pl -= std::floor(pl);
        pr -= std::floor(pr);
    }
}

void AddPads(Stereo& out) {
    for (int c = 0; c < 8; ++c) {
        double t0 = c * kChordSeconds - kFade / 2;
        if (t0 < 0) t0 += kSeconds;  // the first chord's rise sits at the end and wraps round
        for (int k = 0; k < 5; ++k)
            AddPadNote(out, dsp::Index(t0), MidiHz(kChords[c][k]), k == 0 ? 0.07 : 0.045);
    }
}

// A low A that breathes slowly; 55 and 110 Hz complete whole cycles in 80 seconds.
void AddDrone(Stereo& out) {
    for (int i = 0; i < kLength; ++i) {
        const double t = static_cast<double>(i) / Rate;
        const double swell = 0.75 + 0.25 * mathx::SinTurns(t / 16.0);
        const double v =
            swell * (0.09 * mathx::SinTurns(55.0 * t) + 0.03 * mathx::SinTurns(110.0 * t));
        out.L[i] += v;
        out.R[i] += v;
    }
}

void AddPanned(Stereo& out, const Signal& s, int start, double pan) {
    for (std::size_t i = 0; i < s.size() && start + i < out.L.size(); ++i) {
        out.L[start + i] += s[i] * (1.0 - pan);
        out.R[start + i] += s[i] * pan;
    }
}

// Bell notes drawn from the chord of the moment, an octave or two up.
void AddBells(Stereo& out, Rng& rng) {
    for (double t = 1.2; t < kSeconds - 0.5; t += rng.Range(1.8, 4.6)) {
        const int chord = static_cast<int>(t / kChordSeconds) % 8;
        const double hz = MidiHz(kChords[chord][1 + rng.Below(4)] + 12 * (1 + rng.Below(2)));
        Signal s = dsp::Silence(4.0);
        const double amp = rng.Range(0.035, 0.06);
        dsp::AddPartial(s,
                        {.Dur = 4.0, .F0 = hz, .F1 = hz, .Amp = amp, .Attack = 0.004, .Tau = 1.1});
        dsp::AddPartial(s, {.Dur = 2.0,
                            .F0 = hz * 2.0,
                            .F1 = hz * 2.0,
                            .Amp = amp * 0.25,
                            .Attack = 0.003,
                            .Tau = 0.5});
        dsp::AddPartial(s, {.Dur = 1.0,
                            .F0 = hz * 3.01,
                            .F1 = hz * 3.01,
                            .Amp = amp * 0.1,
                            .Attack = 0.002,
                            .Tau = 0.2});
        AddPanned(out, s, dsp::Index(t), rng.Range(0.2, 0.8));
    }
}

// Drops falling into a pool somewhere in the cave.
void AddDrips(Stereo& out, Rng& rng) {
    for (double t = 3.0; t < kSeconds - 0.5; t += rng.Range(5.0, 11.0)) {
        Signal s = dsp::Silence(0.2);
        const double hz = rng.Range(800, 1200);
        dsp::AddPartial(s, {.Dur = 0.15,
                            .F0 = hz,
                            .F1 = hz * 2.2,
                            .Glide = 0.03,
                            .Amp = 0.05,
                            .Attack = 0.002,
                            .Tau = 0.03});
        AddPanned(out, s, dsp::Index(t), rng.Range(0.1, 0.9));
    }
}

// Wind: the same 80 seconds of white noise filtered twice round, keeping the second round, so the
// filter's state joins up at the loop point.
void AddWind(Stereo& out, Rng& rng) {
    Signal noise(kLength);
    for (double& v : noise) v = rng.Signed();
    dsp::Svf filter;
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < kLength; ++i) {
            const double t = static_cast<double>(i) / Rate;
            filter.Run(noise[i], 380 + 160 * mathx::SinTurns(t / 20.0), 0.6);
            if (pass == 0) continue;
            const double gust = 0.012 + 0.01 * mathx::SinTurns(t / 26.666666666666668 + 0.25);
            out.L[i] += filter.Band * gust * (0.6 + 0.4 * mathx::SinTurns(t / 10.0));
            out.R[i] += filter.Band * gust * (0.6 - 0.4 * mathx::SinTurns(t / 10.0));
        }
    }
}

void FoldTail(Signal& s) {
    for (int i = 0; i < kTail; ++i) s[i] += s[kLength + i];
    s.resize(kLength);
}

// Dry plus wet, faded over the first and last 30 ms (the game restarts the track from silence),
// the louder channel's peak at -8 dBFS so the music sits under the effects.
Sound MixLoop(const Stereo& dry, const Signal& wetL, const Signal& wetR) {
    constexpr double kWet = 0.9;
    Signal l(kLength), r(kLength);
    double top = 0.0;
    for (int i = 0; i < kLength; ++i) {
        l[i] = dry.L[i] * 0.8 + wetL[i] * kWet;
        r[i] = dry.R[i] * 0.8 + wetR[i] * kWet;
        top = std::max({top, std::abs(l[i]), std::abs(r[i])});
    }
    const double scale = 0.4 * 32767.0 / top;
    const int fade = dsp::Index(0.03);
    Sound out{"res/sound/ambience.mp3", std::vector<std::int16_t>(2 * kLength), 2, Rate};
    for (int i = 0; i < kLength; ++i) {
        const int edge = std::min(i, kLength - 1 - i);
        const double g =
            edge >= fade ? scale : scale * (0.5 - 0.5 * mathx::Cos(mathx::Pi * edge / fade));
        out.Samples[2 * i] = static_cast<std::int16_t>(std::floor(l[i] * g + 0.5));
        out.Samples[2 * i + 1] = static_cast<std::int16_t>(std::floor(r[i] * g + 0.5));
    }
    return out;
}

}  // namespace

Sound AmbienceLoop() {
    Rng rng(8080);
    Stereo dry;
    AddPads(dry);
    AddDrone(dry);
    AddBells(dry, rng);
    AddDrips(dry, rng);
    FoldTail(dry.L);
    FoldTail(dry.R);
    AddWind(dry, rng);
    Signal wetL, wetR;
    dsp::LoopReverb(dry.L, dry.R, wetL, wetR);
    return MixLoop(dry, wetL, wetR);
}

}  // namespace resgen
