#pragma once
// A placement as a value: the cell and the colour of the piece placed there.

#include <cstdint>

namespace tolvekin {

struct Move {
    int16_t X = 0;     // column from 1; 0: no move
    int16_t Y = 0;     // row from 1
    int8_t Color = 0;  // PieceColor of the placed piece: 1 blue, 2 yellow, 4 red (0 white)

    bool IsNone() const { return X == 0; }
    friend bool operator==(const Move&, const Move&) = default;
};

} // namespace tolvekin
