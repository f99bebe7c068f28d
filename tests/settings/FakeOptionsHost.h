#pragma once
// A main window for the options dialog's tests: it keeps the colours and the board's look it is
// told to show and records every other call, in order.

#include "settings/OptionsHost.h"
#include "settings/Settings.h"

#include <QStringList>

namespace tolvekin::test {

// A main window that records what the dialog asks of it.
class FakeHost : public OptionsHost {
public:
    bool moveMade = false;
    bool autoPlay = false;
    int32_t userLevel = 1;
    QPoint topLeft{100, 50};
    int32_t board = 0xFFFFFF;
    int32_t background = SystemButtonFace;
    bool seeThrough = false;
    bool pictureExists = false;
    bool pictureShown = false;
    QStringList calls;

    OptionsFacts Facts() const override {
        OptionsFacts f;
        f.MoveMade = moveMade;
        f.AutoPlayActive = autoPlay;
        f.UserLevel = userLevel;
        f.WindowTopLeft = topLeft;
        f.Screen.WidthTwips = 1024 * 15;
        f.Screen.HeightTwips = 768 * 15;
        f.WindowTopTwips = 1860;
        f.WindowLeftTwips = 2400;
        f.BoardColor = board;
        f.BackgroundColor = background;
        f.BackgroundPainted = Qt::gray;
        return f;
    }
    void ShowLook(const BoardLook& look) override {
        if (look.SeeThrough) {
            seeThrough = *look.SeeThrough;
        }
        if (look.BackPicture) {
            pictureShown = *look.BackPicture && pictureExists;
            calls << QString("picture %1").arg(*look.BackPicture);
        }
        if (look.BoardColor) {
            board = *look.BoardColor;
        }
        if (look.BackgroundColor) {
            background = *look.BackgroundColor;
            calls << "background";
        }
    }
    void ApplySettings(const ConfirmedChanges& changes) override {
        QString call = "apply";
        if (changes.GameOptions) {
            call += " game options";
        }
        if (changes.PieceColours) {
            call += " piece colours";
        }
        calls << call;
    }
    void ShowHowToPlay() override { calls << "how to play"; }
};

} // namespace tolvekin::test
