#pragma once
// The one rounding rule of the game: a fraction goes to the nearest whole number, halves to the
// even neighbour (4.5 gives 4, 5.5 gives 6). Board-size and initial-block defaults depend on it.

#include <cmath>
#include <cstdint>

namespace tolvekin {

// Rounded, still as a double, for values whose range the caller checks before converting.
inline double RoundEven(double value) {
    return std::nearbyint(value);
}

// Rounded to a whole number; value must lie within the 32-bit range.
inline int32_t RoundEvenInt(double value) {
    return static_cast<int32_t>(std::nearbyint(value));
}

// The default initial block on a board side of `size` cells: its middle, rounded as above.
inline int32_t MiddleOf(int32_t size) {
    return RoundEvenInt(size / 2.0);
}

} // namespace tolvekin
