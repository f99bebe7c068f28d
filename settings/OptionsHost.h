#pragma once
// What the options dialog needs from the game and the main window, and nothing more. The main
// window implements it; the dialog's tests use a recording fake. The dialog changes
// the settings record itself and asks the host only to show the result.

#include "settings/mdlOption.h"

#include <QColor>
#include <QPoint>

#include <cstdint>
#include <optional>

namespace tolvekin {

// The game and the main window as they are now.
struct OptionsFacts {
    // A move made in the current game locks everything that would change the game.
    bool MoveMade = false;
    // Computer-against-computer play running or waiting to start its next game. The level in
    // the settings is then the level of the last automatic move, not the player's.
    bool AutoPlayActive = false;
    // The level the player set, kept while automatic play changes the level move by move.
    int32_t UserLevel = 1;

    // Where the dialogs go: the main window's outer top-left in pixels, and the screen.
    QPoint WindowTopLeft;
    ScreenMetrics Screen;
    // The main window's position in twips, as the settings file stores it.
    double WindowTopTwips = 0;
    double WindowLeftTwips = 0;

    // Colours shown on the main window, as settings values (system colours included), and the
    // background as painted, for the board-size dialog.
    int32_t BoardColor = 0;
    int32_t BackgroundColor = 0;
    QColor BackgroundPainted;
};

// Parts of the board's look to show while the dialog is open; what is left empty stays.
struct BoardLook {
    std::optional<bool> SeeThrough = std::nullopt;
    std::optional<bool> BackPicture = std::nullopt; // shown only when the picture file is there
    std::optional<int32_t> BoardColor = std::nullopt;
    std::optional<int32_t> BackgroundColor = std::nullopt;
};

// What changed with the settings 決定 confirmed, besides the board's look, which is always
// applied again.
struct ConfirmedChanges {
    // Title, names, character sets, mode and level: not while a game is under way.
    bool GameOptions = false;
    // Black-and-white or coloured pieces.
    bool PieceColours = false;
};

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual OptionsFacts Facts() const = 0;
    // Previews on the main window; the host redraws only what the change needs.
    virtual void ShowLook(const BoardLook& look) = 0;
    // Shows the settings the dialog has just confirmed (they are already in the settings
    // record): the board's look, the hint cursors and, as changes says, the panel.
    virtual void ApplySettings(const ConfirmedChanges& changes) = 0;
    // The window "あそびかた", over the dialogs that are open.
    virtual void ShowHowToPlay() = 0;
};

} // namespace tolvekin
