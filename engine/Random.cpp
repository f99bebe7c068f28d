#include "engine/Random.h"

#include <chrono>

namespace tolvekin {

namespace {

uint64_t SplitMix(uint64_t& x) {
    x += 0x9E3779B97F4A7C15u;
    uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
}

uint64_t Rotate(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

void SeriesRandom::Start(uint64_t seed, uint64_t game) {
    // Seed and number pass through separate mixing rounds, so neighbouring seeds or numbers
    // give unrelated draws.
    uint64_t x = seed;
    uint64_t mixed = SplitMix(x);
    x = mixed ^ game;
    SplitMix(x);
    for (uint64_t& word : state_) {
        word = SplitMix(x);
    }
}

uint64_t SeriesRandom::NextBits() {
    const uint64_t result = Rotate(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotate(state_[3], 45);
    return result;
}

uint64_t ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<uint64_t>(now) ^ (static_cast<uint64_t>(device()) << 32);
}

} // namespace tolvekin
