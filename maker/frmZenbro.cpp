#include "maker/frmZenbro.h"

#include "common/dialogs/BusyCursor.h"
#include "common/dialogs/DialogSeam.h"
#include "common/files/CharacterFiles.h"
#include "common/layout/ControlTable.h"
#include "common/text/Fonts.h"
#include "maker/MakerArtwork.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace zenbro {
namespace {

const QString Version = QStringLiteral("1.3a+");
const QString CloseQuestion = QStringLiteral("キャラクタ作成を終了しますか？");
constexpr int BlackSide = 10;

using tolvekin::Control;
using tolvekin::ControlKind;
using tolvekin::ControlRow;
using tolvekin::MadeControls;
using tolvekin::WithAlign;
using K = ControlKind;
constexpr std::string_view Window;

// The window's controls in the order they are made; the cells of the grid are laid out on
// picBoard as the screen's pixel size asks (LayOutCells), the preview is the window's own.
constexpr ControlRow Controls[]{
    Control(K::Panel, "picBoard", Window, {0, 0, frmZenbro::BoardSide, frmZenbro::BoardSide}),
    Control(K::Button, "cmdClose", Window, {544, 8, 49, 25}, "終了"),
    Control(K::Own, "picReal", Window, {544, 48, 50, 50}),
    WithAlign(Control(K::Label, "lblReal", Window, {536, 104, 65, 17}, "実際の表示"),
              Qt::AlignHCenter | Qt::AlignTop),
    Control(K::Button, "cmdRead", Window, {536, 136, 65, 24}, "元図読込"),
    Control(K::Button, "cmdWrite", Window, {536, 160, 65, 24}, "元図保存"),
    Control(K::Button, "cmdConvert", Window, {536, 184, 65, 25}, "変換保存"),
    Control(K::GroupBox, "frmTaisho", Window, {536, 224, 65, 81}, "対象"),
    Control(K::RadioButton, "optTai0", "frmTaisho", {8, 24, 49, 13}, "太陽"),
    Control(K::RadioButton, "optTai1", "frmTaisho", {8, 40, 49, 13}, "海"),
    Control(K::RadioButton, "optTai2", "frmTaisho", {8, 56, 49, 13}, "山"),
    Control(K::Label, "lblName", Window, {536, 320, 65, 17}, "名前"),
    Control(K::LineEdit, "txtName", Window, {529, 336, 76, 19}),
    Control(K::Button, "cmdBackup", Window, {544, 376, 49, 24}, "待避"),
    Control(K::Button, "cmdRestore", Window, {544, 400, 49, 24}, "復元"),
    Control(K::Button, "cmdClear", Window, {544, 424, 49, 24}, "クリア"),
    Control(K::Button, "cmdLine", Window, {544, 448, 49, 24}, "格子線"),
    WithAlign(Control(K::Label, "lblVersion", Window, {536, 512, 67, 13}),
              Qt::AlignHCenter | Qt::AlignTop),
    Control(K::Label, "imgBlack", Window, {560, 512, BlackSide, BlackSide}),
};

// A message while a long operation has the hourglass up: the user gets the normal pointer for
// the dialog, and the hourglass comes back for the rest of the work.
void MessageWhileBusy(const QString& text) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    tolvekin::MessageForm(text);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace

QString ReplaceQuestion(const QString& target, const QString& name) {
    const QString character =
        name.isEmpty() ? target + QStringLiteral("のキャラクタ")
                       : target + QStringLiteral("のキャラクタ「") + name + QStringLiteral("」");
    return character + QStringLiteral("の絵があります。\n新しい絵で置きかえますか？");
}

frmZenbro::frmZenbro(const QString& dataDir, QWidget* parent) : QWidget(parent), dataDir_(dataDir) {
    setObjectName("frmZenbro");
    Load();
}

void frmZenbro::BuildControls() {
    setWindowTitle(QStringLiteral("キャラクタの作成"));
    setWindowIcon(MakerIconSet());
    setFont(tolvekin::GothicFont());
    setFixedSize(ClientWidth, ClientHeight);

    const MadeControls made =
        MakeControls(Controls, this, [this](const ControlRow& row, QWidget* parent) -> QWidget* {
            return row.Kind == ControlKind::Own ? new PreviewBox(outline_, parent) : nullptr;
        });
    picBoard = made.Get<QWidget>("picBoard");
    cmdClose = made.Get<QPushButton>("cmdClose");
    picReal = made.Get<PreviewBox>("picReal");
    lblReal = made.Get<QLabel>("lblReal");
    cmdRead = made.Get<QPushButton>("cmdRead");
    cmdWrite = made.Get<QPushButton>("cmdWrite");
    cmdConvert = made.Get<QPushButton>("cmdConvert");
    frmTaisho = made.Get<QGroupBox>("frmTaisho");
    optTai = {made.Get<QRadioButton>("optTai0"), made.Get<QRadioButton>("optTai1"),
              made.Get<QRadioButton>("optTai2")};
    lblName = made.Get<QLabel>("lblName");
    txtName = made.Get<QLineEdit>("txtName");
    cmdBackup = made.Get<QPushButton>("cmdBackup");
    cmdRestore = made.Get<QPushButton>("cmdRestore");
    cmdClear = made.Get<QPushButton>("cmdClear");
    cmdLine = made.Get<QPushButton>("cmdLine");
    lblVersion = made.Get<QLabel>("lblVersion");
    imgBlack = made.Get<QLabel>("imgBlack");

    QPalette white = picBoard->palette();
    white.setColor(QPalette::Window, Qt::white);
    picBoard->setPalette(white);
    picBoard->setAutoFillBackground(true);

    optTai[0]->setChecked(true);
    QPixmap black(BlackSide, BlackSide);
    black.fill(Qt::black);
    imgBlack->setPixmap(black);
    imgBlack->hide();

    connect(cmdClose, &QPushButton::clicked, this, &frmZenbro::cmdClose_Click);
    connect(cmdRead, &QPushButton::clicked, this, &frmZenbro::cmdRead_Click);
    connect(cmdWrite, &QPushButton::clicked, this, &frmZenbro::cmdWrite_Click);
    connect(cmdConvert, &QPushButton::clicked, this, &frmZenbro::cmdConvert_Click);
    connect(cmdBackup, &QPushButton::clicked, this, &frmZenbro::cmdBackup_Click);
    connect(cmdRestore, &QPushButton::clicked, this, &frmZenbro::cmdRestore_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmZenbro::cmdClear_Click);
    connect(cmdLine, &QPushButton::clicked, this, &frmZenbro::cmdLine_Click);
}

void frmZenbro::LayOutCells() {
    geometry_ = LayoutGrid(picBoard->size(), tolvekin::TwipsPerPixelX(*this),
                           tolvekin::TwipsPerPixelY(*this));

    picPoint.reserve(GridCells);
    for (int i = 0; i < GridCells; ++i) {
        auto* cell = new PointCell(i, outline_, picBoard);
        cell->setGeometry(geometry_.left + CellColumn(i) * geometry_.cellWidth,
                          geometry_.top + CellRow(i) * geometry_.cellHeight, geometry_.cellWidth,
                          geometry_.cellHeight);
        cell->pressed = [this](int index) {
            picPoint_Click(index);
            dragSets_ = IsSet(index);
            dragCell_ = index;
        };
        cell->dragged = [this](QPoint inBoard) { DragTo(inBoard); };
        picPoint.push_back(cell);
    }
}

void frmZenbro::Load() {
    if (dataDir_.isEmpty()) {
        dataDir_ = QDir::currentPath();
    }
    if (!dataDir_.endsWith(u'/')) {
        dataDir_ += u'/';
    }
    BuildControls();
    move(tolvekin::CentreOnScreen(tolvekin::ScreenOf(nullptr), OuterSize()));
    LayOutCells();
    outline_.changed = [this](int index) { ShowChange(index); };
    lblVersion->setText(QStringLiteral("(ver ") + Version + ")");
    PointBackup.fill(false);
    txtName->clear();
}

QString frmZenbro::BaseName() const {
    for (size_t i = 0; i < optTai.size(); ++i) {
        if (optTai[i]->isChecked()) {
            return QString::fromLatin1(tolvekin::CharacterStems[i]);
        }
    }
    return QString::fromLatin1(tolvekin::CharacterStems[0]);
}

void frmZenbro::SetPointBlack(int index) {
    outline_.Set(index, true);
}

void frmZenbro::SetPointWhite(int index) {
    outline_.Set(index, false);
}

void frmZenbro::ShowChange(int index) {
    if (index == Outline::AllCells) {
        for (PointCell* cell : picPoint) {
            cell->update();
        }
    } else {
        picPoint[static_cast<size_t>(index)]->update();
    }
    picReal->update();
}

void frmZenbro::picPoint_Click(int index) {
    if (busy_ || index < 0 || index >= GridCells) {
        return;
    }
    outline_.Set(index, !IsSet(index));
}

int frmZenbro::CellAt(QPoint inBoard) const {
    if (geometry_.cellWidth <= 0 || geometry_.cellHeight <= 0) {
        return -1;
    }
    const int dx = inBoard.x() - geometry_.left;
    const int dy = inBoard.y() - geometry_.top;
    if (dx < 0 || dy < 0) {
        return -1;
    }
    const int col = dx / geometry_.cellWidth;
    const int row = dy / geometry_.cellHeight;
    if (col >= GridSide || row >= GridSide) {
        return -1;
    }
    return col + GridSide * row;
}

void frmZenbro::DragTo(QPoint inBoard) {
    const int target = CellAt(inBoard);
    if (busy_ || dragCell_ < 0 || target < 0 || target == dragCell_) {
        return;
    }
    // The mouse may skip cells when moved fast: the whole line between the two is drawn.
    outline_.SetLine(dragCell_, target, dragSets_);
    dragCell_ = target;
}

void frmZenbro::cmdRead_Click() {
    if (busy_) {
        return;
    }
    tolvekin::BusyCursor busy;
    txtName->setText(ReadNameFile(NameFilePath(dataDir_, BaseName())));
    QImage picture;
    QString error;
    if (!LoadOutlinePicture(dataDir_ + PictureFileName(BaseName(), std::nullopt), &picture,
                            &error)) {
        busy.Release();
        tolvekin::MessageForm(error);
        return;
    }
    // The preview keeps the picture as read; only its exactly black pixels become set cells.
    outline_.ReadPicture(picture);
}

void frmZenbro::cmdWrite_Click() {
    if (busy_) {
        return;
    }
    const QString file = PictureFileName(BaseName(), std::nullopt);
    QString error;
    if (!SavePicture(outline_.Picture(), dataDir_ + file, &error)) {
        tolvekin::MessageForm(PictureErrorMessage(file, error));
    }
}

void frmZenbro::RepaintPreview() {
    picReal->update();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool frmZenbro::HasPiecePictures() const {
    for (int i = 0; i < tolvekin::PiecePictureCount; ++i) {
        if (QFileInfo(dataDir_ + tolvekin::PiecePictureFile(BaseName(), i)).isFile()) {
            return true;
        }
    }
    return false;
}

QString frmZenbro::TargetCaption() const {
    for (QRadioButton* option : optTai) {
        if (option->isChecked()) {
            return option->text();
        }
    }
    return optTai[0]->text();
}

void frmZenbro::cmdConvert_Click() {
    if (busy_) {
        return;
    }
    // The pictures of the chosen character are replaced only when the user says so.
    if (HasPiecePictures() &&
        !tolvekin::QuestionForm(
            ReplaceQuestion(TargetCaption(), ReadNameFile(NameFilePath(dataDir_, BaseName()))))) {
        return;
    }
    busy_ = true;
    tolvekin::BusyCursor busy;
    Conversion conversion(
        dataDir_, BaseName(), [this] { RepaintPreview(); }, MessageWhileBusy);
    conversion.WriteName(txtName->text());
    cmdBackup_Click();
    RestorePoints();
    conversion.SaveOutline(outline_.Picture());
    conversion.MakePictures(outline_.WorkPicture());
    RestorePoints();
    lastReport_ = conversion.Report();
    busy.Release();
    busy_ = false;
    const QString summary = ReportMessage(lastReport_);
    if (!summary.isEmpty()) {
        tolvekin::MessageForm(summary);
    }
}

void frmZenbro::cmdBackup_Click() {
    PointBackup = outline_.Cells();
}

void frmZenbro::RestorePoints() {
    outline_.SetCells(PointBackup);
}

void frmZenbro::cmdRestore_Click() {
    if (busy_) {
        return;
    }
    tolvekin::BusyCursor busy;
    RestorePoints();
}

void frmZenbro::cmdClear_Click() {
    if (busy_) {
        return;
    }
    // The preview goes white with the cells; PointBackup stays, so 復元 undoes a clear.
    outline_.Clear();
}

void frmZenbro::cmdLine_Click() {
    if (busy_) {
        return;
    }
    tolvekin::BusyCursor busy;
    const bool border = !picPoint.front()->HasBorder();
    for (PointCell* cell : picPoint) {
        cell->SetBorder(border);
    }
}

void frmZenbro::cmdClose_Click() {
    if (busy_) {
        return;
    }
    if (tolvekin::QuestionForm(CloseQuestion)) {
        closeAnswered_ = true;
        close();
        closeAnswered_ = false;
    }
}

void frmZenbro::closeEvent(QCloseEvent* event) {
    // The window stays until a conversion has finished writing its files.
    if (busy_) {
        event->ignore();
        return;
    }
    // The close box asks as 終了 does.
    if (!closeAnswered_ && !tolvekin::QuestionForm(CloseQuestion)) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace zenbro
