// The world's random sequence: the coin that decides which way an object rolls when both sides are
// free. Part of the game state, so a level, a seed and the input of every frame decide a run.
#pragma once

#include <array>
#include <cstdint>

namespace world {

// xoshiro256** seeded through splitmix64 from the bits of a double: fast, well distributed, and
// the same numbers on every machine for the same seed.
class RandomSequence {
  public:
    explicit RandomSequence(double seed = 0) { Seed(seed); }

    void Seed(double seed);
    // Uniform in [0, 1).
    double Next();

    // The raw state, so a demo can start an attempt where the sequence stood (never all zeros).
    std::array<std::uint64_t, 4> State() const {
        return {state_[0], state_[1], state_[2], state_[3]};
    }
    void SetState(const std::array<std::uint64_t, 4>& state) {
        for (int i = 0; i < 4; ++i) state_[i] = state[i];
    }

  private:
    std::uint64_t NextBits();

    std::uint64_t state_[4] = {1, 2, 3, 4};
};

}  // namespace world
