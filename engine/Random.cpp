#include "Random.h"

#include <chrono>

namespace tolvekin {

uint64_t ClockSeed() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::random_device device;
    return static_cast<uint64_t>(now) ^ (static_cast<uint64_t>(device()) << 32);
}

} // namespace tolvekin
