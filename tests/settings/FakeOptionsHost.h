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

    bool MoveMade() const override { return moveMade; }
    bool AutoPlayActive() const override { return autoPlay; }
    int32_t UserLevel() const override { return userLevel; }
    QPoint WindowTopLeft() const override { return topLeft; }
    ScreenMetrics Screen() const override {
        ScreenMetrics m;
        m.WidthTwips = 1024 * 15;
        m.HeightTwips = 768 * 15;
        return m;
    }
    double WindowTopTwips() const override { return 1860; }
    double WindowLeftTwips() const override { return 2400; }
    int32_t BoardColor() const override { return board; }
    int32_t BackgroundColor() const override { return background; }
    QColor BackgroundPainted() const override { return Qt::gray; }
    void SetBoardColor(int32_t v) override { board = v; }
    void SetBackgroundColor(int32_t v) override { background = v; }
    void SetBoardSeeThrough(bool v) override { seeThrough = v; }
    bool BackPictureExists() const override { return pictureExists; }
    void ShowBackPicture(bool show) override {
        pictureShown = show;
        calls << QString("picture %1").arg(show);
    }
    void RedrawFrames() override { calls << "frames"; }
    void ApplyBoardLook() override { calls << "look"; }
    void ShowGameTitle() override { calls << "title"; }
    void ChangeChar(int side) override { calls << QString("char %1").arg(side); }
    void ChangeMode() override { calls << "mode"; }
    void ChangeLevel() override { calls << "level"; }
    void ApplyMonoPieces(bool mono) override { calls << QString("mono %1").arg(mono); }
    void SetCursor() override { calls << "cursor"; }
    void ShowHowToPlay() override { calls << "how to play"; }
};

} // namespace tolvekin::test
