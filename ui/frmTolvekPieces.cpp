// The main window's pictures: piece pictures from the three sets, the redraw of changed cells,
// the turn boxes, the blinking of the computer's piece and the raised frames.

#include "ui/frmTolvek.h"

#include "common/files/CharacterFiles.h"
#include "common/files/PictureFiles.h"
#include "common/text/Utf8Text.h"
#include "engine/CharacterSets.h"
#include "ui/Artwork.h"

#include <QImage>

namespace tolvekin {
namespace {

// The built-in pictures of a set, by its picture index.
artwork::CharacterSet ArtworkSet(int index) {
    return index == 0 ? artwork::CharacterSet::Sun
                      : (index == 1 ? artwork::CharacterSet::Fish : artwork::CharacterSet::Bear);
}

} // namespace

void frmTolvek::LoadBuiltinPictures() {
    // The bar advances before each set: the bear, the sun, the fish.
    int step = 3;
    for (const char* name : {"BEAR", "SUN", "FISH"}) {
        if (splashStep_) {
            splashStep_(step);
        }
        ++step;
        const int index = FindCharacterSet(name)->Index;
        for (int i = 0; i <= 8; ++i) {
            pictures_.At(index)[static_cast<size_t>(i)] = QPixmap::fromImage(
                artwork::PiecePicture(ArtworkSet(index), i, devicePixelRatioF()));
        }
    }
}

void frmTolvek::LoadCharPictures() {
    // A missing, unreadable or oversized file keeps the built-in picture.
    auto load = [](QPixmap& target, const QString& path) {
        const QImage image = LoadPictureChecked(path, MaxCellPictureSize, "BMP");
        if (!image.isNull()) {
            target = QPixmap::fromImage(image);
        }
    };
    for (const CharacterSetInfo& set : CharacterSets) {
        PictureSet& pictures = pictures_.At(set.Index);
        const QString stem = dataDir_ + Q(set.Stem);
        load(pictures[8], OutlinePictureFile(stem));
        // Picture 8 may come from a file of its own as well; it then wins over the outline.
        for (int i = 0; i <= 8; ++i) {
            load(pictures[static_cast<size_t>(i)], PiecePictureFile(stem, i));
        }
    }
}

void frmTolvek::SetPiecePicture(PictureBox* target, int side, int value) {
    const PictureSet* set = pictures_.ForName(game_.Options.CharSet[static_cast<size_t>(side)]);
    if (set == nullptr || value < 0 || value > 8) {
        return;
    }
    target->SetPicture(
        (*set)[static_cast<size_t>(PictureIndex(game_.Options.MonoPieces, side, value))]);
}

void frmTolvek::DrawCell(int x, int y) {
    const GameState& g = game_.State;
    SetPiecePicture(board_->CellAt(g.CellIndex(x, y)), g.Board(x, y), g.CellColor(x, y));
}

void frmTolvek::RedrawBoard() {
    const GameState& g = game_.State;
    for (int x = 1; x <= g.BoardWidth; ++x) {
        for (int y = 1; y <= g.BoardHeight; ++y) {
            if (g.Changed(x, y)) {
                DrawCell(x, y);
            }
        }
    }
    if (board_ != nullptr) {
        board_->LastMove()->Follow(g);
    }
}

void frmTolvek::RedrawOccupiedCells() {
    // A new character set or the switch to black-and-white pieces changes every piece.
    const GameState& g = game_.State;
    if (board_ == nullptr) {
        return;
    }
    for (int x = 1; x <= g.BoardWidth; ++x) {
        for (int y = 1; y <= g.BoardHeight; ++y) {
            if (g.Board(x, y) != 0) {
                DrawCell(x, y);
            }
        }
    }
}

void frmTolvek::DrawFrame3D(const QWidget* control) {
    frames_.Draw(control);
    update(FrameRect(control->geometry()).adjusted(0, 0, 1, 1));
}

void frmTolvek::EraseFrame3D(const QWidget* control) {
    frames_.Erase(control);
    update(FrameRect(control->geometry()).adjusted(0, 0, 1, 1));
}

void frmTolvek::ShowNextPiece(Side side, int color) {
    SetPiecePicture(picCharImg[static_cast<size_t>(side)], side, color);
}

void frmTolvek::ShowTurn(Side from, Side to) {
    EraseFrame3D(picChar[static_cast<size_t>(from)]);
    picChar[static_cast<size_t>(from)]->SetBorder(false);
    SetPiecePicture(picCharImg[static_cast<size_t>(from)], from, 8);
    picChar[static_cast<size_t>(from)]->hide();
    picChar[static_cast<size_t>(to)]->SetBorder(true);
    DrawFrame3D(picChar[static_cast<size_t>(to)]);
    SetPiecePicture(picCharImg[static_cast<size_t>(to)], to, game_.State.NextColor);
    picChar[static_cast<size_t>(to)]->show();
}

void frmTolvek::ShowFlashPiece(int x, int y) {
    const GameState& g = game_.State;
    flashCell_ = g.CellIndex(x, y);
    SetPiecePicture(board_->CellAt(flashCell_), g.SideToMove, g.NextColor);
    flashCount_ = 0;
    // Outside automatic play no click or key may reach the board or the panel while the piece
    // blinks.
    RefuseInput(game_.Mode() != PlayMode::AutoPlay);
}

void frmTolvek::RefuseInput(bool refused) {
    blocking_ = refused;
    board_->SetInputRefused(refused);
}

void frmTolvek::ToggleFlashPiece() {
    ++flashCount_;
    PictureBox* cell = board_->CellAt(flashCell_);
    cell->setVisible(!cell->isVisible());
}

void frmTolvek::EndFlash() {
    RefuseInput(false);
    board_->CellAt(flashCell_)->setVisible(true);
}

} // namespace tolvekin
