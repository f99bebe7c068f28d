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

// A seed from the clock and the system's entropy source, for runs that need no repetition.
uint64_t ClockSeed();

} // namespace tolvekin
