#pragma once
// The options a game is played by: the board and its initial block, who plays with what
// strength, the character sets and their names, black-and-white pieces, the blink of the
// computer's piece and the title the quit question names. Plain values, texts in UTF-8. The
// settings module fills them at start-up as part of its whole record; the engine reads them,
// except that automatic play sets GameLevel move by move and the player's switches between
// games set CharSet and MonoPieces. The initial values are the built-in settings.

#include <array>
#include <cstdint>
#include <string>

namespace tolvekin {

struct PlayOptions {
    bool FlashMove = false; // blink the computer's piece before placing it
    std::string GameTitle = "ぽるぽら";
    std::array<std::string, 4> CharName{"", "おひさま", "おさかな", "くまさん"}; // 1..3
    std::array<std::string, 3> CharSet{"", "SUN", "FISH"};                       // 1..2
    int32_t GameMode = 1;  // 1 one player, 2 two players, 3 computer against computer
    int32_t GameLevel = 1; // 1 weak, 2 strong, 3 master
    bool MonoPieces = false;
    // The board of the running program as read at start-up (the screen fit may shrink it).
    int32_t BoardWidth = 8;
    int32_t BoardHeight = 8;
    int32_t MidX = 4; // top-left cell of the initial 2 x 2 block
    int32_t MidY = 4;
};

} // namespace tolvekin
