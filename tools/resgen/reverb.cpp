// The loop reverb: combs for the dense decay, all-passes to diffuse it.
// Called on the generator's one thread.
#include "tools/resgen/reverb.h"

#include <array>
#include <vector>

namespace resgen::dsp {

namespace {

constexpr double kFeedback = 0.88;  // room size: a long cave
constexpr double kDamp = 0.3;       // high frequencies die faster
constexpr double kInputGain = 0.015;

struct Comb {
    std::vector<double> Buffer;
    std::size_t Pos = 0;
    double Store = 0.0;  // the damping low-pass's memory

    double Run(double x) {
        const double out = Buffer[Pos];
        Store = out * (1.0 - kDamp) + Store * kDamp;
        Buffer[Pos] = x + Store * kFeedback;
        Pos = (Pos + 1) % Buffer.size();
        return out;
    }
};

struct AllPass {
    std::vector<double> Buffer;
    std::size_t Pos = 0;

    double Run(double x) {
        const double held = Buffer[Pos];
        Buffer[Pos] = x + held * 0.5;
        Pos = (Pos + 1) % Buffer.size();
        return held - x;
    }
};

struct Side {
    std::array<Comb, 8> Combs;
    std::array<AllPass, 4> AllPasses;

    explicit Side(int spread) {
        static constexpr int kComb[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
        static constexpr int kAllPass[4] = {556, 441, 341, 225};
        for (int i = 0; i < 8; ++i) Combs[i].Buffer.assign(kComb[i] + spread, 0.0);
        for (int i = 0; i < 4; ++i) AllPasses[i].Buffer.assign(kAllPass[i] + spread, 0.0);
    }

    double Run(double x) {
        double sum = 0.0;
        for (Comb& c : Combs) sum += c.Run(x);
        for (AllPass& a : AllPasses) sum = a.Run(sum);
        return sum;
    }
};

}  // namespace

void LoopReverb(const Signal& inL, const Signal& inR, Signal& wetL, Signal& wetR) {
    Side left(0), right(23);
    wetL.assign(inL.size(), 0.0);
    wetR.assign(inR.size(), 0.0);
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < inL.size(); ++i) {
            const double x = (inL[i] + inR[i]) * kInputGain;
            wetL[i] = left.Run(x);
            wetR[i] = right.Run(x);
        }
    }
}

}  // namespace resgen::dsp
