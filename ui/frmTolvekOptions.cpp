#include "ui/frmTolvekOptions.h"

#include "common/TextFiles.h"
#include "common/WindowGeometry.h"
#include "settings/SettingColor.h"
#include "settings/frmOptBrd.h"
#include "ui/PiecePictures.h"
#include "ui/ScreenMetricsOf.h"
#include "ui/frmTolvek.h"

namespace tolvekin {

bool frmTolvekOptions::MoveMade() const {
    return game_.State.MoveCount != 0;
}

bool frmTolvekOptions::AutoPlayActive() const {
    return game_.AutoPlayActive();
}

int32_t frmTolvekOptions::UserLevel() const {
    return game_.SavedLevel;
}

QPoint frmTolvekOptions::WindowTopLeft() const {
    return window_.pos();
}

ScreenMetrics frmTolvekOptions::Screen() const {
    ScreenMetrics m = ScreenMetricsOf(window_.screen());
    m.PanelWidth = window_.PanelWidth();
    return m;
}

double frmTolvekOptions::WindowTopTwips() const {
    return window_.y() * TwipsPerPixelY(window_);
}

double frmTolvekOptions::WindowLeftTwips() const {
    return window_.x() * TwipsPerPixelX(window_);
}

int32_t frmTolvekOptions::BoardColor() const {
    return window_.BoardColor();
}

int32_t frmTolvekOptions::BackgroundColor() const {
    return window_.BackgroundColor();
}

QColor frmTolvekOptions::BackgroundPainted() const {
    return ColorFromSetting(window_.BackgroundColor(), window_.palette());
}

void frmTolvekOptions::SetBoardColor(int32_t value) {
    window_.SetBoardColor(value);
}

void frmTolvekOptions::SetBackgroundColor(int32_t value) {
    window_.SetBackgroundColor(value);
}

void frmTolvekOptions::SetBoardSeeThrough(bool seeThrough) {
    window_.SetBoardSeeThrough(seeThrough);
}

bool frmTolvekOptions::BackPictureExists() const {
    return FileExists(dataDir_ + "TLVFORM.BMP");
}

void frmTolvekOptions::ShowBackPicture(bool show) {
    window_.ShowBackPicture(show);
}

void frmTolvekOptions::RedrawFrames() {
    window_.RedrawFrames();
}

void frmTolvekOptions::ApplyBoardLook() {
    window_.ApplyBoardLook();
}

void frmTolvekOptions::ShowGameTitle() {
    window_.ShowGameTitle();
}

void frmTolvekOptions::ChangeChar(int side) {
    window_.ChangeChar(side);
}

void frmTolvekOptions::ChangeMode() {
    window_.ChangeMode();
}

void frmTolvekOptions::ChangeLevel() {
    window_.ChangeLevel();
}

void frmTolvekOptions::ApplyMonoPieces(bool mono) {
    game_.SetMonoPieces(mono);
    window_.ApplyMonoMode(mono);
    window_.RedrawOccupiedCells();
}

void frmTolvekOptions::SetCursor() {
    window_.SetCursor();
    window_.update();
}

void ConnectOptionsDialog(frmTolvek& window, Game& game, Settings& settings,
                          const QString& dataDir) {
    window.ShowOptionsDialog = [&window, &game, &settings, dataDir] {
        frmTolvekOptions host(window, game, dataDir);
        frmOptBrd dialog(settings, host, &window);
        dialog.exec();
    };
}

void frmTolvekOptions::ShowHowToPlay() {
    window_.ShowHowToPlay(true);
}

} // namespace tolvekin
