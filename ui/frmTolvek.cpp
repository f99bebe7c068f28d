// The main window's construction: the panel, the board built for the running size, the board's
// decorations and the arrangement of panel and window around the board.

#include "ui/frmTolvek.h"

#include "common/files/PictureFiles.h"
#include "common/files/TextFiles.h"
#include "common/start/StandardOptions.h"
#include "common/text/FitText.h"
#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"
#include "engine/CharacterSets.h"
#include "engine/Rounding.h"
#include "settings/SettingColor.h"
#include "ui/Artwork.h"
#include "ui/ContrastText.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

namespace tolvekin {
namespace {

constexpr QPoint BoardCorner(8, 8);
constexpr QSize StandardClient(577, 400);
constexpr const char* BuildNote = "Qt 6 版";

} // namespace

frmTolvek::frmTolvek(Game& game, Settings& settings, const QString& dataDir,
                     std::function<void(int)> splashStep, QWidget* parent)
    : QWidget(parent), game_(game), settings_(settings), dataDir_(dataDir),
      splashStep_(std::move(splashStep)), clock_([&game](GameTimer timer) { game.Tick(timer); }),
      keeper_(game, dataDir, this) {
    setObjectName("frmTolvek");
}

frmTolvek::~frmTolvek() {
    // The game lets go of the window, its clock and its keeper before they go.
    game_.Disconnect();
    // Focus moves while the window's widgets go; the mark must not hear of it.
    disconnect(focusFollower_);
}

PictureBox* frmTolvek::Cell(int x, int y) const {
    return board_ != nullptr ? board_->CellAt(game_.State.CellIndex(x, y)) : nullptr;
}

void frmTolvek::CreatePanel() {
    const MadeControls made =
        MakeControls(MainWindowPanel(), this, [](const ControlRow& row, QWidget* parent) {
            return row.Kind == ControlKind::Own ? new PictureBox(parent) : nullptr;
        });
    TakePanelControls(made, *this);
    for (const auto& [name, control] : made.InOrder()) {
        if (control->parentWidget() != this) {
            continue; // inside a panel control, it moves with it
        }
        panel_.push_back(control);
        // The window hears the panel's input first: nothing gets through while a piece blinks.
        control->installEventFilter(this);
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setFocusPolicy(Qt::TabFocus);
        }
    }
    lblTitle->setText(Q(game_.Options.GameTitle));
    lblTitle->setFrameShape(QFrame::Box);
    lblTitle->setLineWidth(1);
    const QColor faces[3] = {QColor(192, 255, 255), QColor(255, 255, 192), QColor(255, 192, 192)};
    for (size_t e = 0; e < 3; ++e) {
        // Flat in its own colour: the widget style would paint its gradient over a palette colour.
        cmdColor[e]->setStyleSheet(
            QString("QPushButton { background-color: %1; border: 1px solid #808080; }"
                    "QPushButton:pressed { border: 2px inset #808080; }"
                    "QPushButton:disabled { color: #a0a0a0; }")
                .arg(faces[e].name()));
    }
    for (size_t s = 1; s <= 2; ++s) {
        picCharImg[s]->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Name and variant of the side's set; the name is set again once the window loads.
        if (const CharacterSetInfo* set = FindCharacterSet(game_.Options.CharSet[s])) {
            lblName[s]->setText(Q(game_.Options.CharName[static_cast<size_t>(set->Index + 1)]));
        }
    }
    FitVariantFont();
    ConnectPanel();
}

void frmTolvek::FitVariantFont() {
    // Both variant labels take the one size in which the longest variant fits, so the two
    // read alike whichever sets the sides have.
    variantFont_ = ProportionalGothicFont();
    for (const CharacterSetInfo& set : CharacterSets) {
        const QString text = Q(set.Variant);
        while (QFontMetrics(variantFont_).horizontalAdvance(text) > lblComment[1]->width() &&
               variantFont_.pointSizeF() > 6) {
            variantFont_.setPointSizeF(variantFont_.pointSizeF() - 0.25);
        }
    }
    for (int s = 1; s <= 2; ++s) {
        lblComment[s]->setFont(variantFont_);
        if (const CharacterSetInfo* set = FindCharacterSet(game_.Options.CharSet[s])) {
            lblComment[s]->setText(Q(set->Variant));
        }
    }
}

void frmTolvek::ConnectPanel() {
    connect(cmdScore, &QPushButton::clicked, this, [this] { cmdScore_Click(); });
    connect(cmdRestart, &QPushButton::clicked, this, [this] { game_.RestartClick(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdPass, &QPushButton::clicked, this, [this] { game_.PassClick(); });
    connect(picMode, &PictureBox::clicked, this, [this] { Form_Click(); });
    for (int s = 1; s <= 2; ++s) {
        connect(picChar[s], &PictureBox::clicked, this, [this, s] { picChar_Click(s); });
        connect(imgChar[s], &PictureBox::clicked, this, [this, s] { picChar_Click(s); });
    }
    for (size_t e = 0; e < 3; ++e) {
        connect(cmdColor[e], &QPushButton::clicked, this,
                [this, e] { game_.ColorButtonClick(static_cast<int>(e)); });
    }
}

void frmTolvek::Load() {
    LoadBuiltinPictures();
    setWindowIcon(artwork::ProgramIcon());
    for (int i = 0; i < artwork::ModePictureCount; ++i) {
        imgMode[static_cast<size_t>(i)] =
            QPixmap::fromImage(artwork::ModePicture(i, devicePixelRatioF()));
    }
    for (int i = 0; i < 2; ++i) {
        imgCursor[static_cast<size_t>(i)] =
            QPixmap::fromImage(artwork::CursorPicture(i, devicePixelRatioF()));
    }
    CreatePanel();

    // Centre at the standard size; the arrangement later changes the size, not the place.
    resize(StandardClient);
    move(CentreOnScreen(ScreenOf(this), OuterSize(*this)));
    panelWidth_ = RoundEvenInt((OuterSize(*this).width() - cmdScore->x()) * TwipsPerPixelX(*this));

    const QString title = Q(game_.Options.GameTitle);
    lblTitle->setText(title);
    setWindowTitle(title);
    // The tooltip also tells the mouse player where the rules are explained.
    lblTitle->setToolTip(
        QString("Version %1 / %2\nF1：あそびかた").arg(ProgramVersion(), BuildNote));
    for (int s = 1; s <= 2; ++s) {
        SetFittedText(lblName[s], Q(game_.DisplayName(game_.Options.CharSet[s], s)),
                      GothicFont(9.75));
    }
    cmdRestart->setEnabled(false);
    for (int s = 1; s <= 2; ++s) {
        imgChar[s]->move(picChar[s]->x(), imgChar[s]->y());
    }
    const double tpx = TwipsPerPixelX(*this);
    const double tpy = TwipsPerPixelY(*this);
    if (settings_.WindowTop != 0) {
        move(x(), RoundEvenInt(settings_.WindowTop / tpy));
    }
    if (settings_.WindowLeft != 0) {
        move(RoundEvenInt(settings_.WindowLeft / tpx), y());
    }
    backgroundColor_ = settings_.BackgroundColor;
    if (game_.Options.MonoPieces) {
        ApplyMonoMode(true);
    }
    BuildBoard();
    BuildFocusMark();
    ApplyBoardLook();
    // The bar reaches 6 before the character maker's pictures are read and 7 after them.
    if (splashStep_) {
        splashStep_(6);
    }
    LoadCharPictures();
    if (splashStep_) {
        splashStep_(7);
    }
    game_.Connect(*this, clock_, keeper_);
}

void frmTolvek::ShowAtStart() {
    show();
    FocusFirstCell();
    ChangeChar(1);
    ChangeChar(2);
    SetBoardColor(settings_.BoardColor);
    SetBackgroundColor(settings_.BackgroundColor);
    DrawFrame3D(picChar[1]);
    DrawFrame3D(picMode);
}

void frmTolvek::BuildBoard() {
    board_ = new BoardWidget(game_.State.BoardWidth, game_.State.BoardHeight, this);
    board_->move(BoardCorner);
    SetBoardColor(settings_.BoardColor);
    connect(board_, &BoardWidget::cellClicked, this, [this](int index) { game_.CellClick(index); });
    connect(board_, &BoardWidget::cellKeyed, this, [this](int index) {
        if (hintKey_ == 0) { // no placement while the places are shown
            game_.CellClick(index);
        }
    });
    connect(board_, &BoardWidget::placesKey, this, [this](bool down) {
        if (down) {
            HintKeyDown(Qt::Key_H);
        } else {
            HintKeyUp(Qt::Key_H);
        }
    });
}

void frmTolvek::BuildFocusMark() {
    focusMark_ = new FocusMark(this);
    focusFollower_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            auto* button = qobject_cast<QPushButton*>(now);
            const bool onPanel =
                button != nullptr && std::find(panel_.begin(), panel_.end(), now) != panel_.end();
            focusMark_->Follow(onPanel ? button : nullptr);
        });
}

void frmTolvek::FocusBoard() {
    if (board_ != nullptr) {
        board_->TakeFocus();
    }
}

void frmTolvek::SetBoardSeeThrough(bool seeThrough) {
    board_->SetSeeThrough(seeThrough);
    update();
}

void frmTolvek::ShowGameTitle() {
    const QString title = Q(game_.Options.GameTitle);
    lblTitle->setText(title);
    setWindowTitle(title);
    if (help_ != nullptr) {
        help_->SetGameTitle(title);
    }
}

void frmTolvek::OpenHowToPlay(bool overDialogs) {
    if (help_ == nullptr) {
        help_ = new frmHelp(Q(game_.Options.GameTitle), this);
        connect(help_, &QDialog::finished, help_,
                [this] { help_->setWindowModality(Qt::NonModal); });
        // Beside the game: on its right, else on its left, else as far right as the screen goes.
        const QRect screen = ScreenArea(ScreenOf(this));
        const int gap = 16;
        QPoint at(geometry().right() + gap, geometry().top());
        if (at.x() + help_->width() > screen.right()) {
            const int left = geometry().left() - gap - help_->width();
            at.setX(left >= screen.left()
                        ? left
                        : std::max(screen.left(), screen.right() - help_->width()));
        }
        help_->move(at);
    }
    const Qt::WindowModality modality = overDialogs ? Qt::ApplicationModal : Qt::NonModal;
    if (help_->windowModality() != modality) {
        help_->hide(); // a window takes a new modality when it is shown again
        help_->setWindowModality(modality);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void frmTolvek::RedrawFrames() {
    PictureBox* box = picChar[static_cast<size_t>(game_.State.SideToMove)];
    if (box != nullptr && box->isVisibleTo(this)) {
        DrawFrame3D(box);
    }
    DrawFrame3D(picMode);
}

void frmTolvek::ApplyBoardLook() {
    SetBoardSeeThrough(settings_.SeeThrough);
    board_->ShowFrameLines(settings_.ShowBorder);
    board_->ShowInnerLines(settings_.ShowCross);
    ArrangePanel();
    ShowBackPicture(settings_.BackPicture);
}

QString frmTolvek::BackPicturePath() const {
    return dataDir_ + "TLVFORM.BMP";
}

void frmTolvek::ArrangePanel() {
    const QRect cells = board_->CellArea();
    int newLeft = cells.right() + 1 + 18; // past the grid's closing line
    const int currentLeft = cmdScore->x();
    QSize picture;
    if (settings_.BackPicture && FileExists(BackPicturePath())) {
        picture = LoadPictureChecked(BackPicturePath(), MaxScreenPictureSize).size();
        const int needed = picture.width() - (OuterSize(*this).width() - 6 - currentLeft);
        if (newLeft < needed) {
            newLeft = needed;
        }
    }
    const int shift = newLeft - currentLeft;
    if (shift != 0) {
        for (QWidget* w : panel_) {
            w->move(w->x() + shift, w->y());
        }
        frames_.Shift(shift);
    }
    const QRect screen = ScreenArea(ScreenOf(this));
    resize(cmdEnd->width() + cmdEnd->x() + 14 - WindowFrameExtra.width(), height());
    if (x() + OuterSize(*this).width() > screen.right() + 1) {
        move(screen.x(), y());
    }
    const int lowerEnd = cells.bottom() + 1;
    if (lblTitle->geometry().bottom() + 1 < lowerEnd + 35) {
        int outerHeight = lowerEnd + 35;
        if (picture.isValid() && outerHeight < picture.height()) {
            outerHeight = picture.height();
        }
        resize(width(), outerHeight - WindowFrameExtra.height());
        if (y() + OuterSize(*this).height() > screen.bottom() + 1) {
            move(x(), screen.y());
        }
    }
    update();
}

void frmTolvek::ShowBackPicture(bool show) {
    if (show && FileExists(BackPicturePath())) {
        imgBack = QPixmap::fromImage(LoadPictureChecked(BackPicturePath(), MaxScreenPictureSize));
    } else {
        imgBack = QPixmap();
    }
    update();
}

void frmTolvek::SetBoardColor(int32_t value) {
    boardColor_ = value;
    board_->SetColor(ColorFromSetting(value, palette()));
}

void frmTolvek::SetBackgroundColor(int32_t value) {
    backgroundColor_ = value;
    ApplyPanelTextColour();
    update();
}

void frmTolvek::ApplyPanelTextColour() {
    const QColor text = TextColourOn(ColorFromSetting(backgroundColor_, palette()));
    for (QWidget* w : panel_) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QPalette p = label->palette();
            p.setColor(QPalette::Active, QPalette::WindowText, text);
            p.setColor(QPalette::Inactive, QPalette::WindowText, text);
            label->setPalette(p);
        }
    }
}

void frmTolvek::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ColorFromSetting(backgroundColor_, palette()));
    if (!imgBack.isNull()) {
        p.drawPixmap(QRect(0, 0, width(), height()), imgBack);
    }
    frames_.Paint(p, palette().color(QPalette::Dark), palette().color(QPalette::Light));
}

void frmTolvek::mouseReleaseEvent(QMouseEvent* event) {
    // A click on the window itself, not on one of its controls, opens the options.
    // The board's closing grid lines lie outside its cells and belong to the window here too.
    const QWidget* under = childAt(event->position().toPoint());
    if (!blocking_ && event->button() == Qt::LeftButton && (under == nullptr || under == board_)) {
        Form_Click();
    }
}

} // namespace tolvekin
