#include "maker/frmZenbro.h"

#include "common/BusyCursor.h"
#include "common/CharacterFiles.h"
#include "common/DialogSeam.h"
#include "common/Fonts.h"
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

QPushButton* frmZenbro::MakeButton(const QString& text, const QRect& place) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(place);
    return button;
}

void frmZenbro::BuildControls() {
    setWindowTitle(QStringLiteral("キャラクタの作成"));
    setWindowIcon(MakerIconSet());
    setFont(tolvekin::GothicFont());
    setFixedSize(ClientWidth, ClientHeight);

    picBoard = new QWidget(this);
    picBoard->setObjectName("picBoard");
    picBoard->setGeometry(0, 0, BoardSide, BoardSide);
    QPalette white = picBoard->palette();
    white.setColor(QPalette::Window, Qt::white);
    picBoard->setPalette(white);
    picBoard->setAutoFillBackground(true);

    cmdClose = MakeButton(QStringLiteral("終了"), {544, 8, 49, 25});
    picReal = new PreviewBox(outline_, this);
    picReal->setGeometry(544, 48, 50, 50);
    lblReal = new QLabel(QStringLiteral("実際の表示"), this);
    lblReal->setGeometry(536, 104, 65, 17);
    lblReal->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    cmdRead = MakeButton(QStringLiteral("元図読込"), {536, 136, 65, 24});
    cmdWrite = MakeButton(QStringLiteral("元図保存"), {536, 160, 65, 24});
    cmdConvert = MakeButton(QStringLiteral("変換保存"), {536, 184, 65, 25});

    frmTaisho = new QGroupBox(QStringLiteral("対象"), this);
    frmTaisho->setGeometry(536, 224, 65, 81);
    const QString captions[3] = {QStringLiteral("太陽"), QStringLiteral("海"),
                                 QStringLiteral("山")};
    for (size_t i = 0; i < optTai.size(); ++i) {
        optTai[i] = new QRadioButton(captions[i], frmTaisho);
        optTai[i]->setGeometry(8, 24 + 16 * static_cast<int>(i), 49, 13);
    }
    optTai[0]->setChecked(true);

    lblName = new QLabel(QStringLiteral("名前"), this);
    lblName->setGeometry(536, 320, 65, 17);
    txtName = new QLineEdit(this);
    txtName->setGeometry(529, 336, 76, 19);

    cmdBackup = MakeButton(QStringLiteral("待避"), {544, 376, 49, 24});
    cmdRestore = MakeButton(QStringLiteral("復元"), {544, 400, 49, 24});
    cmdClear = MakeButton(QStringLiteral("クリア"), {544, 424, 49, 24});
    cmdLine = MakeButton(QStringLiteral("格子線"), {544, 448, 49, 24});

    lblVersion = new QLabel(this);
    lblVersion->setGeometry(536, 512, 67, 13);
    lblVersion->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    imgBlack = new QLabel(this);
    imgBlack->setGeometry(560, 512, BlackSide, BlackSide);
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
