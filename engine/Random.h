#pragma once
// The one source of chance of a run: uniform numbers in [0, 1). The program seeds it once;
// tests inject their own sequence.

#include <cstdint>
#include <random>

namespace tolvekin {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double Next() = 0; // uniform in [0, 1)
};

class MtRandom final : public RandomSource {
public:
    explicit MtRandom(uint64_t seed) : engine_(seed) {}
    // 53 random bits, so every value is exact and strictly below 1.
    double Next() override { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

private:
    std::mt19937_64 engine_;
};

// The draws of one game of a series: a function of the series' seed and the game's number
// alone, so that any game can be played again by itself, and the games of a series can be
// played in any order on any number of threads. (xoshiro256**, seeded through SplitMix64.)
class SeriesRandom final : public RandomSource {
public:
    SeriesRandom() { Start(0, 0); }
    SeriesRandom(uint64_t seed, uint64_t game) { Start(seed, game); }
    // Starts the draws of game number `game` (from 1) of the series of `seed`.
    void Start(uint64_t seed, uint64_t game);
    double Next() override { return static_cast<double>(NextBits() >> 11) * 0x1.0p-53; }
    uint64_t NextBits();

private:
    uint64_t state_[4]{};
};

// A seed from the clock and the system's entropy source, for runs that need no repetition.
uint64_t ClockSeed();

} // namespace tolvekin
