#pragma once
// The main window as the options dialog sees it, and the hook that opens the dialog when the
// window's background or mode picture is clicked.

#include "engine/Game.h"
#include "settings/OptionsHost.h"

#include <QString>

namespace tolvekin {

class frmTolvek;

class frmTolvekOptions : public OptionsHost {
public:
    frmTolvekOptions(frmTolvek& window, Game& game, const QString& dataDir)
        : window_(window), game_(game), dataDir_(dataDir) {}

    bool MoveMade() const override;
    bool AutoPlayActive() const override;
    int32_t UserLevel() const override;
    QPoint WindowTopLeft() const override;
    ScreenMetrics Screen() const override;
    double WindowTopTwips() const override;
    double WindowLeftTwips() const override;
    int32_t BoardColor() const override;
    int32_t BackgroundColor() const override;
    QColor BackgroundPainted() const override;
    void SetBoardColor(int32_t value) override;
    void SetBackgroundColor(int32_t value) override;
    void SetBoardSeeThrough(bool seeThrough) override;
    bool BackPictureExists() const override;
    void ShowBackPicture(bool show) override;
    void RedrawFrames() override;
    void ApplyBoardLook() override;
    void ShowGameTitle() override;
    void ChangeChar(int side) override;
    void ChangeMode() override;
    void ChangeLevel() override;
    void ApplyMonoPieces(bool mono) override;
    void SetCursor() override;
    void ShowHowToPlay() override;

private:
    frmTolvek& window_;
    Game& game_;
    QString dataDir_;
};

// From now on a click on the window's background or mode picture opens the options dialog
// (the window pauses its game timers around it and opens nothing during a replay).
void ConnectOptionsDialog(frmTolvek& window, Game& game, Settings& settings,
                          const QString& dataDir);

} // namespace tolvekin
