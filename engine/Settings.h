#pragma once
// The settings values that every part of the game reads. Plain values only, so the rules engine
// can use them without the settings module; texts are UTF-8. The settings module (settings/)
// fills them at start-up and saves them; the engine reads them, except that automatic play sets
// GameLevel move by move. The initial values below are the built-in settings: the settings
// reader, 初期化 in the options dialog and the dialog's controls all take them from here.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvekin {

inline constexpr int32_t SystemButtonFace = static_cast<int32_t>(0x8000000F);

// What the player reads for GameMode 1..3 and GameLevel 1..3.
inline constexpr std::array<std::string_view, 3> GameModeNames{"ひとり", "ふたり", "全自動"};
inline constexpr std::array<std::string_view, 3> GameLevelNames{"弱い", "強い", "名人"};

struct Settings {
    bool FlashMove = false;  // blink the computer's piece before placing it
    bool HintCursor = false; // bear cursors tell where a piece may go
    bool ShowBorder = true;  // outer frame line of the board
    bool ShowCross = true;   // inner grid lines
    bool SeeThrough = false; // board without a colour of its own
    bool BackPicture = false;
    std::string GameTitle = "ぽるぽら";
    std::array<std::string, 4> CharName{"", "おひさま", "おさかな", "くまさん"}; // 1..3
    std::array<std::string, 3> CharSet{"", "SUN", "FISH"};                       // 1..2
    int32_t GameMode = 1;  // 1 one player, 2 two players, 3 computer against computer
    int32_t GameLevel = 1; // 1 weak, 2 strong, 3 master
    bool MonoPieces = false;
    int32_t BackgroundColor = SystemButtonFace; // &H00BBGGRR, or &H800000nn for a system colour
    int32_t BoardColor = 0xFFFFFF;
    // The board of the running program as read at start-up (the screen fit may shrink it).
    int32_t BoardWidth = 8;
    int32_t BoardHeight = 8;
    int32_t MidX = 4; // top-left cell of the initial 2 x 2 block
    int32_t MidY = 4;
    // What the settings file stores: the board and block from the next start on.
    int32_t NextMaxBoardX = 8;
    int32_t NextMaxBoardY = 8;
    int32_t NextMidX = 4;
    int32_t NextMidY = 4;
    int32_t WindowTop = 0; // twips; 0 means not set
    int32_t WindowLeft = 0;
    std::string SettingsPath; // UTF-8
};

} // namespace tolvekin
