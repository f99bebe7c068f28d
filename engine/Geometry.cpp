#include "engine/Geometry.h"

#include "engine/ComputerPlayer.h"

#include <cassert>
#include <memory>
#include <mutex>

namespace tolvekin {

const Geometry& Geometry::For(int w, int h) {
    assert(w >= MinSide && w <= MaxWidth && h >= MinSide && h <= MaxHeight);
    static std::mutex guard;
    static std::array<std::unique_ptr<const Geometry>, (MaxWidth + 1) * (MaxHeight + 1)> made;
    const std::lock_guard lock(guard);
    auto& slot = made[static_cast<size_t>(w * (MaxHeight + 1) + h)];
    if (!slot) {
        slot.reset(new Geometry(w, h));
    }
    return *slot;
}

Geometry::Geometry(int w, int h) : width_(w), height_(h), stride_(h + 2) {
    for (int d = 1; d <= 8; ++d) {
        steps_[static_cast<size_t>(d)] = Dx(d) * stride_ + Dy(d);
    }
    const auto slots = static_cast<size_t>(SlotCount());
    slotX_.assign(slots, 0);
    slotY_.assign(slots, 0);
    weightBySlot_.assign(slots, 0);
    BuildCellWeights(w, h, weights_);
    for (int x = 0; x <= w + 1; ++x) {
        for (int y = 0; y <= h + 1; ++y) {
            const auto s = static_cast<size_t>(Slot(x, y));
            slotX_[s] = static_cast<uint8_t>(x);
            slotY_[s] = static_cast<uint8_t>(y);
            if (x >= 1 && x <= w && y >= 1 && y <= h) {
                weightBySlot_[s] =
                    static_cast<uint8_t>(weights_[static_cast<size_t>((y - 1) * w + x - 1)]);
            }
        }
    }
    // SplitMix64 from a fixed start: the same keys on every machine and in every run.
    keys_.resize(slots * 16);
    uint64_t state = 0x2545f4914f6cdd1dULL ^ static_cast<uint64_t>(w * 64 + h);
    for (uint64_t& key : keys_) {
        uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        key = z ^ (z >> 31);
    }
}

} // namespace tolvekin
