// Seeded pseudo-random numbers and lattice hashes for the resource generator.
//
// Everything the generator draws or synthesises takes its randomness from here, never from the
// clock or from <random> distributions (whose output differs between library versions), so the
// same build writes the same bytes on every run. Single-threaded use by the generator's main.
#pragma once

#include <cstdint>

namespace resgen {

// SplitMix64: tiny, fast and of good quality for art and audio noise.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1), exactly representable (53 random bits).
    double Unit() { return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [-1, 1).
    double Signed() { return Unit() * 2.0 - 1.0; }
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform integer in [0, n); n must be positive.
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

  private:
    std::uint64_t state_;  // advanced by the golden-ratio increment each draw
};

// A well-mixed 32-bit hash of a lattice point, for value noise.
inline std::uint32_t HashPoint(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    std::uint32_t h = seed * 0x9E3779B1U;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77U;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3DU;
    h ^= h >> 16;
    h *= 0x7FEB352DU;
    h ^= h >> 15;
    h *= 0x846CA68BU;
    h ^= h >> 16;
    return h;
}

// Hash of a lattice point as a value in [0, 1).
inline double HashUnit(std::int32_t x, std::int32_t y, std::uint32_t seed) {
    return static_cast<double>(HashPoint(x, y, seed) >> 8) * (1.0 / 16777216.0);
}

}  // namespace resgen
