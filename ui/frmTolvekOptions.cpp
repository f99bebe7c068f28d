#include "frmTolvekOptions.h"

#include "PiecePictures.h"
#include "ScreenMetricsOf.h"
#include "TextFiles.h"
#include "frmOptBrd.h"
#include "frmTolvek.h"

namespace tolvekin {
namespace {

double TwipsPerPixelX(const QWidget& w) {
    return 1440.0 / w.logicalDpiX();
}

double TwipsPerPixelY(const QWidget& w) {
    return 1440.0 / w.logicalDpiY();
}

} // namespace

bool frmTolvekOptions::MoveMade() const {
    return game_.State.MoveCount != 0;
}

bool frmTolvekOptions::AutoPlayActive() const {
    // Automatic play has begun once the clear button is on in mode 3: before its first move,
    // during the game and while it waits for the next one.
    // TODO(integration): ask the game's phase instead of the button.
    return game_.Options.GameMode == 3 &&
           (game_.State.MoveCount != 0 || window_.cmdRestart->isEnabled());
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

int32_t frmTolvekOptions::BoardColour() const {
    return window_.BoardColor();
}

int32_t frmTolvekOptions::BackgroundColour() const {
    return window_.BackgroundColor();
}

QColor frmTolvekOptions::BackgroundPainted() const {
    return ColorFromSetting(window_.BackgroundColor(), window_.palette());
}

void frmTolvekOptions::SetBoardColour(int32_t value) {
    window_.SetBoardColor(value);
}

void frmTolvekOptions::SetBackgroundColour(int32_t value) {
    window_.SetBackgroundColor(value);
}

void frmTolvekOptions::SetBoardSeeThrough(bool seeThrough) {
    window_.lblBoard->setAutoFillBackground(!seeThrough);
    window_.lblBoard->update();
    window_.update();
}

bool frmTolvekOptions::BackPictureExists() const {
    return FileExists(dataDir_ + "TLVFORM.BMP");
}

void frmTolvekOptions::ShowBackPicture(bool show) {
    window_.ShowBackPicture(show);
}

void frmTolvekOptions::RedrawFrames() {
    // A turn box hidden at the end of a game gets no frame.
    PictureBox* box = window_.picChar[static_cast<size_t>(game_.State.SideToMove)];
    if (box != nullptr && box->isVisibleTo(&window_)) {
        window_.DrawFrame3D(box);
    }
    window_.DrawFrame3D(window_.picMode);
}

void frmTolvekOptions::ApplyBoardLook() {
    window_.ApplyBoardLook();
}

void frmTolvekOptions::ShowGameTitle() {
    window_.lblTitle->setText(QString::fromStdString(game_.Options.GameTitle));
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
    // The dialog has already stored MonoPieces in the settings; the window shows it.
    // TODO(integration): route through the engine's black-and-white switch.
    window_.ApplyMonoMode(mono);
    window_.RedrawOccupiedCells();
}

void frmTolvekOptions::SetCursor() {
    window_.SetCursor();
    window_.update();
}

void ConnectOptionsDialog(frmTolvek& window, Game& game, const QString& dataDir) {
    window.ShowOptionsDialog = [&window, &game, dataDir] {
        frmTolvekOptions host(window, game, dataDir);
        frmOptBrd dialog(game.Options, host, &window);
        dialog.exec();
    };
}

} // namespace tolvekin
