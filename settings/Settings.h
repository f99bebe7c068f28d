#pragma once
// The whole settings record: the options a game is played by and what only the window and the
// settings file hold (how the board is drawn, colours, the next start's board, the window's
// place, where the settings file lives). Plain values, texts in UTF-8. The settings module
// fills them at start-up and saves them. The initial values here and in PlayOptions are the
// built-in settings: the settings reader, 初期化 in the options dialog and the dialog's controls
// all take them from here.

#include "engine/PlayOptions.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolvekin {

inline constexpr int32_t SystemButtonFace = static_cast<int32_t>(0x8000000F);

// What the player reads for GameMode 1..3 and GameLevel 1..3.
inline constexpr std::array<std::string_view, 3> GameModeNames{"ひとり", "ふたり", "全自動"};
inline constexpr std::array<std::string_view, 3> GameLevelNames{"弱い", "強い", "名人"};

struct Settings : PlayOptions {
    bool HintCursor = false; // bear cursors tell where a piece may go
    bool ShowBorder = true;  // outer frame line of the board
    bool ShowCross = true;   // inner grid lines
    bool SeeThrough = false; // board without a colour of its own
    bool BackPicture = false;
    int32_t BackgroundColor = SystemButtonFace; // &H00BBGGRR, or &H800000nn for a system colour
    int32_t BoardColor = 0xFFFFFF;
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
