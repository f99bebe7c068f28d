// The main window's panel: character sets, mode and strength, hint cursors, the black-and-white
// switch, quitting, and what the rules engine asks of the window.

#include "ui/frmTolvek.h"

#include "common/dialogs/DialogSeam.h"
#include "common/text/FitText.h"
#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"
#include "engine/CharacterSets.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>

#include <utility>

namespace tolvekin {

void frmTolvek::ChangeChar(int side) {
    const size_t s = static_cast<size_t>(side);
    int index = 8;
    if (!picChar[s]->HasBorder()) {
        picChar[s]->hide();
    } else {
        picChar[s]->show();
        index = side == 1 && game_.Options.MonoPieces ? 7 : 0;
    }
    const std::string& set = game_.Options.CharSet[s];
    if (const CharacterSetInfo* info = FindCharacterSet(set)) {
        const PictureSet& pictures = pictures_.At(info->Index);
        picCharImg[s]->SetPicture(pictures[static_cast<size_t>(index)]);
        imgChar[s]->SetPicture(pictures[8]);
        lblComment[s]->setText(Q(info->Variant));
    }
    SetFittedText(lblName[s], Q(game_.DisplayName(set, side)), GothicFont(9.75));
    RedrawOccupiedCells();
}

void frmTolvek::picChar_Click(int side) {
    game_.CycleCharSet(side);
    ChangeChar(side);
}

void frmTolvek::ChangeMode() {
    const PlayMode mode = game_.Mode();
    if (mode != PlayMode::OnePlayer && mode != PlayMode::TwoPlayers && mode != PlayMode::AutoPlay) {
        return;
    }
    const char* guides[3] = {"ひとり", "ふたり", "全自動"};
    lblModeGuide->setText(guides[static_cast<int>(mode) - 1]);
    lblLevelGuide->setVisible(mode == PlayMode::OnePlayer);
    cmdPass->setText(mode == PlayMode::AutoPlay ? "はじめる" : "先手をかえる");
    if (game_.ReplayMode()) {
        lblModeGuide->setText("再現");
    }
}

void frmTolvek::ChangeLevel() {
    const PlayMode mode = game_.Mode();
    const int32_t level = game_.Options.GameLevel;
    lblLevelGuide->setText(Q(game_.LevelText()));
    int picture = 0;
    if (mode == PlayMode::OnePlayer) {
        if (level == static_cast<int32_t>(Strength::Weak)) {
            picture = 0;
            picMode->setToolTip("コンピュータは弱い");
        } else if (level == static_cast<int32_t>(Strength::Master)) {
            picture = 4;
            picMode->setToolTip("コンピュータは名人");
        } else {
            picture = 1;
            picMode->setToolTip("コンピュータは強い");
        }
    } else if (mode == PlayMode::TwoPlayers) {
        picture = 2;
        picMode->setToolTip("ふたりで遊ぶ");
    } else if (mode == PlayMode::AutoPlay) {
        picture = 3;
        picMode->setToolTip("自動的に実行するのを見る");
    }
    picMode->SetPicture(imgMode[static_cast<size_t>(picture)]);
    DrawFrame3D(picMode);
}

void frmTolvek::SetCursor() {
    if (settings_.HintCursor && game_.Mode() != PlayMode::AutoPlay) {
        // A cursor takes its hot spot in the picture's own pixels, at every pixel ratio.
        const QPoint hot =
            (QPointF(artwork::CursorHotSpot()) * imgCursor[0].devicePixelRatio()).toPoint();
        const QCursor plain(imgCursor[1], hot.x(), hot.y());
        const QCursor smiling(imgCursor[0], hot.x(), hot.y());
        for (PictureBox* cell : Cells()) {
            cell->setCursor(plain);
        }
        const GameState& g = game_.State;
        for (int i = 1; i <= g.CandCount; ++i) {
            board_->CellAt(g.CellIndex(g.CandX[i], g.CandY[i]))->setCursor(smiling);
        }
    } else {
        for (PictureBox* cell : Cells()) {
            cell->unsetCursor();
        }
    }
}

void frmTolvek::EnterHintMode() {
    cmdPass->setText("置けるところ");
}

void frmTolvek::ApplyMonoMode(bool mono) {
    for (size_t i = 0; i < 2; ++i) {
        lblCount[i]->setVisible(!mono);
        lblCountBlack[i]->setVisible(!mono);
        lblCountColor[i]->setVisible(!mono);
        lblTotal[i]->setText(mono ? "２個" : "０点");
    }
    // Black-and-white pieces have no colour to choose.
    const bool colors = ControlsFor(game_.Phase(), mono).Colors;
    for (QPushButton* b : cmdColor) {
        b->setEnabled(colors);
    }
    if (const PictureSet* pictures = pictures_.ForName(game_.Options.CharSet[1])) {
        picCharImg[1]->SetPicture((*pictures)[mono ? 7 : 0]);
    }
    for (int s = 1; s <= 2; ++s) {
        SetFittedText(lblName[s],
                      Q(game_.DisplayName(game_.Options.CharSet[static_cast<size_t>(s)], s)),
                      GothicFont(9.75));
    }
}

void frmTolvek::lblTitle_Click() {
    const bool before = game_.Options.MonoPieces;
    if (before) {
        game_.SetMonoPieces(!tolvekin::QuestionForm("色つきのコマにしますか？"));
    } else {
        game_.SetMonoPieces(tolvekin::QuestionForm("黒と白のコマだけにしますか？"));
    }
    if (game_.Options.MonoPieces != before) {
        ApplyMonoMode(game_.Options.MonoPieces);
        RedrawOccupiedCells();
    }
}

void frmTolvek::cmdPass_MouseDown() {
    const GameState& g = game_.State;
    if (game_.PassMode() != PassRole::ShowPlaces) {
        return;
    }
    for (int i = 1; i <= g.CandCount; ++i) {
        const size_t cell = static_cast<size_t>(g.CellIndex(g.CandX[i], g.CandY[i]));
        SetPiecePicture(Cells()[cell], g.SideToMove, 8);
        placesShown_.push_back(cell);
    }
}

void frmTolvek::cmdPass_MouseUp() {
    const GameState& g = game_.State;
    // The places shown go, also those of a turn that has passed while the button was held.
    for (const size_t cell : std::exchange(placesShown_, {})) {
        const int x = static_cast<int>(cell) % g.BoardWidth + 1;
        const int y = static_cast<int>(cell) / g.BoardWidth + 1;
        if (cell < Cells().size() && g.Board(x, y) == 0) {
            Cells()[cell]->ClearPicture();
        }
    }
}

void frmTolvek::cmdEnd_Click() {
    if (game_.EndClick()) {
        QApplication::quit();
    }
}

void frmTolvek::closeEvent(QCloseEvent* event) {
    // The close box ends the program at once, without a question and without saving.
    event->accept();
    QApplication::quit();
}

bool frmTolvek::eventFilter(QObject* watched, QEvent* event) {
    if (blocking_ && IsPlayerInput(event)) {
        return true;
    }
    if (PanelKeyEvent(watched, event)) {
        return true;
    }
    const QEvent::Type type = event->type();
    if (watched == lblTitle && type == QEvent::MouseButtonRelease && lblTitle->isEnabled()) {
        lblTitle_Click();
        return true;
    }
    if (watched == cmdPass && cmdPass->isEnabled()) {
        if (type == QEvent::MouseButtonPress) {
            cmdPass_MouseDown();
        } else if (type == QEvent::MouseButtonRelease) {
            cmdPass_MouseUp();
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool frmTolvek::PanelKeyEvent(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        return !key->isAutoRepeat() && HintKeyUp(key->key());
    }
    if (key->key() == Qt::Key_Space && watched == cmdPass && cmdPass->isEnabled()) {
        if (!key->isAutoRepeat()) {
            HintKeyDown(Qt::Key_Space);
        }
        return false; // Space goes on to the button, which shows itself pressed
    }
    return KeyPress(key->key(), key->modifiers());
}

void frmTolvek::keyPressEvent(QKeyEvent* event) {
    if (blocking_ || KeyPress(event->key(), event->modifiers())) {
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmTolvek::keyReleaseEvent(QKeyEvent* event) {
    // The places go when the key goes up, wherever the focus has moved meanwhile.
    if (blocking_ || (!event->isAutoRepeat() && HintKeyUp(event->key()))) {
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void frmTolvek::HintKeyDown(int key) {
    if (hintKey_ == 0) {
        hintKey_ = key;
        cmdPass_MouseDown();
    }
}

bool frmTolvek::HintKeyUp(int key) {
    if (hintKey_ == 0 || key != hintKey_) {
        return false;
    }
    hintKey_ = 0;
    cmdPass_MouseUp();
    return key == Qt::Key_H;
}

bool frmTolvek::KeyPress(int key, Qt::KeyboardModifiers modifiers) {
    if (board_ == nullptr || (modifiers & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
        return false;
    }
    if (key == Qt::Key_F1) {
        OpenHowToPlay(false);
        return true;
    }
    if (board_->MoveCursorByKey(key)) {
        return true;
    }
    int button = -1;
    if (key == Qt::Key_B || key == Qt::Key_1) {
        button = 0;
    } else if (key == Qt::Key_Y || key == Qt::Key_2) {
        button = 1;
    } else if (key == Qt::Key_R || key == Qt::Key_3) {
        button = 2;
    }
    if (button < 0) {
        return false;
    }
    if (cmdColor[static_cast<size_t>(button)]->isEnabled()) {
        cmdColor[static_cast<size_t>(button)]->click();
    }
    return true;
}

void frmTolvek::MessageForm(const std::string& text) {
    tolvekin::MessageForm(Q(text));
}

bool frmTolvek::QuestionForm(const std::string& text) {
    return tolvekin::QuestionForm(Q(text));
}

void frmTolvek::ApplyControls(const ControlStates& c) {
    board_->EnableCells(c.Board);
    cmdPass->setEnabled(c.Pass);
    cmdScore->setEnabled(c.Score);
    for (int s = 1; s <= 2; ++s) {
        picChar[s]->setEnabled(c.CharBoxes);
        imgChar[s]->setEnabled(c.CharBoxes);
    }
    lblTitle->setEnabled(c.Title);
    for (QPushButton* b : cmdColor) {
        b->setEnabled(c.Colors);
    }
    cmdRestart->setEnabled(c.Restart);
}

void frmTolvek::FocusFirstCell() {
    // A new game hands the keyboard to the board on its first cell, not to 閉じる, where Space
    // would ask to quit.
    if (board_ != nullptr) {
        board_->Cursor()->MoveTo(1, 1);
    }
    FocusBoard();
}

void frmTolvek::ClearCellPictures() {
    for (PictureBox* cell : Cells()) {
        cell->ClearPicture();
        cell->setVisible(true);
    }
}

void frmTolvek::ShowCount() {
    const CountCaptions c = MakeCountCaptions(game_);
    for (size_t i = 0; i < 2; ++i) {
        lblCount[i]->setText(Q(c.Count[i]));
        lblCountBlack[i]->setText(Q(c.CountBlack[i]));
        lblCountColor[i]->setText(Q(c.CountColor[i]));
        lblTotal[i]->setText(Q(c.Total[i]));
    }
    lblResult->setText(Q(c.Result));
}

void frmTolvek::ShowGameOver(Side winner, const std::string& resultText) {
    for (int s = 1; s <= 2; ++s) {
        picChar[s]->SetBorder(true);
        picChar[s]->show();
    }
    lblResult->setText(Q(resultText));
    if (winner == NoSide) {
        DrawFrame3D(picChar[Side1]);
        DrawFrame3D(picChar[Side2]);
    } else {
        // The loser's box goes, and its raised frame with it.
        EraseFrame3D(picChar[Opponent(winner)]);
        picChar[Opponent(winner)]->hide();
        DrawFrame3D(picChar[winner]);
    }
    // The keyboard stays with the board (its buttons may have gone dead under it).
    FocusBoard();
}

void frmTolvek::cmdScore_Click() {
    if (!keeper_.ViewScores()) {
        FocusBoard();
    }
}

} // namespace tolvekin
