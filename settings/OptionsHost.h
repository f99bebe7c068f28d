#pragma once
// What the options dialog needs from the game and the main window, and nothing more. The main
// window's adapter implements it; the dialog's tests use a recording fake. The dialog changes
// the settings record itself and asks the host only to show the result.

#include "settings/mdlOption.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <cstdint>

namespace tolvekin {

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    // The game. A move made in the current game locks everything that would change the game.
    virtual bool MoveMade() const = 0;
    // Computer-against-computer play running or waiting to start its next game. The level in
    // the settings is then the level of the last automatic move, not the player's.
    virtual bool AutoPlayActive() const = 0;
    // The level the player set, kept while automatic play changes the level move by move.
    virtual int32_t UserLevel() const = 0;

    // Where the dialogs go: the main window's outer top-left in pixels, and the screen.
    virtual QPoint WindowTopLeft() const = 0;
    virtual ScreenMetrics Screen() const = 0;
    // The main window's position in twips, as the settings file stores it.
    virtual double WindowTopTwips() const = 0;
    virtual double WindowLeftTwips() const = 0;

    // Colours shown on the main window, as settings values (system colours included).
    virtual int32_t BoardColor() const = 0;
    virtual int32_t BackgroundColor() const = 0;
    // The background colour as painted, for the board-size dialog.
    virtual QColor BackgroundPainted() const = 0;
    virtual void SetBoardColor(int32_t value) = 0;
    virtual void SetBackgroundColor(int32_t value) = 0;

    // The board's look while the dialog is open.
    virtual void SetBoardSeeThrough(bool seeThrough) = 0;
    virtual bool BackPictureExists() const = 0;
    virtual void ShowBackPicture(bool show) = 0;
    // Raised frames around the turn box of the side to move and around the mode picture.
    virtual void RedrawFrames() = 0;

    // Applying the confirmed settings: transparency, lines, arrangement and background picture.
    virtual void ApplyBoardLook() = 0;
    // Between games only: title label, a side's character set, mode, level.
    virtual void ShowGameTitle() = 0;
    virtual void ChangeChar(int side) = 0;
    virtual void ChangeMode() = 0;
    virtual void ChangeLevel() = 0;
    // Black-and-white or coloured pieces on the panel and the board (a change of MonoPieces).
    virtual void ApplyMonoPieces(bool mono) = 0;
    // Hint cursors of every cell, then a repaint of the window.
    virtual void SetCursor() = 0;
    // The window "あそびかた", over the dialogs that are open.
    virtual void ShowHowToPlay() = 0;
};

} // namespace tolvekin
