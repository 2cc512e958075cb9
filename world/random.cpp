// The world's random sequence; see random.h.
#include "world/random.h"

#include <cstring>

namespace world {

namespace {

std::uint64_t Rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

void RandomSequence::Seed(double seed) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    for (auto& word : state_) {
        bits += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = bits;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        word = z ^ (z >> 31);
    }
}

std::uint64_t RandomSequence::NextBits() {
    const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const std::uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    return result;
}

double RandomSequence::Next() {
    return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

}  // namespace world
