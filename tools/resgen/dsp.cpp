// Oscillators, filters and the finishing pass of the generator's sounds.
// Called on the generator's one thread.
#include "tools/resgen/dsp.h"

#include <algorithm>
#include <cmath>

#include "tools/resgen/mathx.h"

namespace resgen::dsp {

namespace {

// Envelope of a partial or burst at sample i after its start: linear attack, then decay.
struct Envelope {
    int AttackSamples;
    double Amp;
    double Factor;
    double Level = 1.0;

    double Next(int i) {
        if (i < AttackSamples) return Amp * (i + 1.0) / AttackSamples;
        Level *= Factor;
        return Amp * Level;
    }
};

Envelope MakeEnvelope(double amp, double attack, double tau) {
    return Envelope{std::max(1, Index(attack)), amp, DecayFactor(tau)};
}

// Gain of a short raised-cosine release over the last samples of a sound `count` samples long,
// so that a partial cut off before it has died away ends without a click.
double Release(int i, int count) {
    const int release = std::max(1, std::min(Index(0.012), count / 4));
    const int left = count - 1 - i;
    return left >= release ? 1.0 : 0.5 - 0.5 * mathx::Cos(mathx::Pi * left / release);
}

// Per-sample ratio of an exponential glide from f0 to f1 over `samples` samples.
double GlideRatio(double f0, double f1, int samples) {
    if (samples <= 0 || f0 <= 0 || f1 <= 0) return 1.0;
    return mathx::Exp2((mathx::Log2(f1) - mathx::Log2(f0)) / samples);
}

}  // namespace

Signal Silence(double seconds) {
    return Signal(static_cast<std::size_t>(Index(seconds)), 0.0);
}

int Index(double seconds) {
    return static_cast<int>(std::floor(seconds * Rate));
}

double DecayFactor(double tau) {
    return tau <= 0 ? 0.0 : mathx::Exp(-1.0 / (tau * Rate));
}

void AddPartial(Signal& s, const Partial& p) {
    const int start = Index(p.T0), count = Index(p.Dur);
    const int glideSamples = Index(p.Glide);
    const double ratio = GlideRatio(p.F0, p.F1, glideSamples);
    Envelope env = MakeEnvelope(p.Amp, p.Attack, p.Tau);
    double f = p.F0, phase = 0.0;
    for (int i = 0; i < count && start + i < static_cast<int>(s.size()); ++i) {
        const double vib = 1.0 + p.Vibrato * mathx::SinTurns(p.VibratoHz * i / Rate);
        s[start + i] += env.Next(i) * Release(i, count) * mathx::SinTurns(phase);
        phase += f * vib / Rate;
        phase -= std::floor(phase);
        if (i < glideSamples) f *= ratio;
    }
}

void Svf::Run(double x, double cutoffHz, double damping) {
    const double f = 2.0 * mathx::Sin(mathx::Pi * std::min(cutoffHz, Rate / 6.0) / Rate);
    Low += f * Band;
    High = x - Low - damping * Band;
    Band += f * High;
}

void AddNoise(Signal& s, const NoiseBurst& n, Rng& rng) {
    const int start = Index(n.T0), count = Index(n.Dur);
    const double ratio = GlideRatio(n.C0, n.C1, count);
    Envelope env = MakeEnvelope(n.Amp, n.Attack, n.Tau);
    Svf first, second;  // two stages: 12 dB per octave on each side of a band
    double cutoff = n.C0;
    for (int i = 0; i < count && start + i < static_cast<int>(s.size()); ++i) {
        first.Run(rng.Signed(), cutoff, n.Damping);
        second.Run(n.Band ? first.Band : first.Low, cutoff, n.Band ? n.Damping : 1.4);
        s[start + i] += env.Next(i) * Release(i, count) * (n.Band ? second.Band : second.Low);
        cutoff *= ratio;
    }
}

void Saturate(Signal& s, double drive) {
    double top = 0.0;
    for (double v : s) top = std::max(top, std::abs(v));
    if (top <= 0.0) return;
    const double norm = mathx::Tanh(drive);
    for (double& v : s) v = mathx::Tanh(drive * v / top) / norm;
}

std::vector<std::int16_t> Finish(Signal s, double peak, double fadeIn, double fadeOut) {
    // DC blocker: y = x - x' + 0.9995 y' (a high-pass near 3.5 Hz).
    double prevX = 0.0, prevY = 0.0;
    for (double& v : s) {
        const double y = v - prevX + 0.9995 * prevY;
        prevX = v;
        prevY = y;
        v = y;
    }
    const int n = static_cast<int>(s.size());
    double mean = 0.0;
    for (double v : s) mean += v;
    mean /= std::max(1, n);
    for (double& v : s) v -= mean;
    const int in = std::max(1, Index(fadeIn)), out = std::max(1, Index(fadeOut));
    for (int i = 0; i < n; ++i) {
        double g = 1.0;
        if (i < in) g *= 0.5 - 0.5 * mathx::Cos(mathx::Pi * i / in);
        if (n - 1 - i < out) g *= 0.5 - 0.5 * mathx::Cos(mathx::Pi * (n - 1 - i) / out);
        s[i] *= g;
    }
    double top = 0.0;
    for (double v : s) top = std::max(top, std::abs(v));
    const double scale = top > 0.0 ? peak * 32767.0 / top : 0.0;
    std::vector<std::int16_t> out16(s.size());
    for (int i = 0; i < n; ++i)
        out16[i] = static_cast<std::int16_t>(
            std::clamp(std::floor(s[i] * scale + 0.5), -32767.0, 32767.0));
    return out16;
}

}  // namespace resgen::dsp
