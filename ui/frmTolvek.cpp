// The main window's construction: the panel, the board built for the running size, the board's
// decorations and the arrangement of panel and window around the board.

#include "ui/frmTolvek.h"

#include "common/FitText.h"
#include "common/Fonts.h"
#include "common/PictureFiles.h"
#include "common/StandardOptions.h"
#include "common/TextFiles.h"
#include "common/Utf8Text.h"
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

constexpr int CellWidth = 48;
constexpr int CellHeight = 48;
constexpr int StandardPanelLeft = 408; // cmdScore's left before the panel is arranged
constexpr QSize StandardClient(577, 400);
constexpr const char* BuildNote = "Qt 6 版";

} // namespace

frmTolvek::frmTolvek(Game& game, Settings& settings, const QString& dataDir,
                     std::function<void(int)> splashStep, QWidget* parent)
    : QWidget(parent), game_(game), settings_(settings), dataDir_(dataDir),
      splashStep_(std::move(splashStep)),
      clock_([&game](GameTimer timer) { game.Tick(timer); }), keeper_(game, dataDir, this) {
    setObjectName("frmTolvek");
}

frmTolvek::~frmTolvek() {
    qApp->removeEventFilter(this);
    // Focus moves while the window's widgets go; the mark must not hear of it.
    disconnect(focusFollower_);
}

PictureBox* frmTolvek::Cell(int x, int y) const {
    const size_t index = static_cast<size_t>(game_.State.CellIndex(x, y));
    return index < picKoma.size() ? picKoma[index] : nullptr;
}

QLabel* frmTolvek::MakeLabel(const QString& text, Qt::Alignment align, double pointSize,
                             bool bold) {
    auto* label = new QLabel(text, this);
    label->setAlignment(align | Qt::AlignTop);
    label->setFont(pointSize > 0 ? GothicFont(pointSize, bold) : GothicFont(9.75));
    panel_.push_back(label);
    return label;
}

void frmTolvek::Place(QWidget* control, int dx, int y, int w, int h) {
    control->setGeometry(StandardPanelLeft + dx, y, w, h);
}

QPushButton* frmTolvek::MakeButton(const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setFont(GothicFont(9.75));
    b->setFocusPolicy(Qt::TabFocus);
    panel_.push_back(b);
    return b;
}

void frmTolvek::CreatePanel() {
    CreateTopButtons();
    CreateCountLabels();
    CreateSideColumns();
    CreateColourButtons();
    lblTitle = MakeLabel(Q(game_.Options.GameTitle), Qt::AlignHCenter);
    lblTitle->setFrameShape(QFrame::Box);
    lblTitle->setLineWidth(1);
    lblTitle->setAlignment(Qt::AlignCenter);
    Place(lblTitle, 40, 380, 81, 15);
}

void frmTolvek::CreateTopButtons() {
    cmdScore = MakeButton("スコア");
    Place(cmdScore, 0, 8, 49, 33);
    cmdRestart = MakeButton("クリア");
    Place(cmdRestart, 56, 8, 49, 33);
    cmdEnd = MakeButton("閉じる");
    Place(cmdEnd, 112, 8, 49, 33);
    picMode = new PictureBox(this);
    panel_.push_back(picMode);
    Place(picMode, 56, 52, 50, 50);
    lblModeGuide = MakeLabel("ひとり", Qt::AlignLeft);
    Place(lblModeGuide, 108, 64, 39, 13);
    lblLevelGuide = MakeLabel("弱い", Qt::AlignLeft);
    Place(lblLevelGuide, 112, 84, 26, 13);
    cmdPass = MakeButton("先手をかえる");
    Place(cmdPass, 28, 108, 105, 25);
    connect(cmdScore, &QPushButton::clicked, this, [this] { cmdScore_Click(); });
    connect(cmdRestart, &QPushButton::clicked, this, [this] { cmdRestart_Click(); });
    connect(cmdEnd, &QPushButton::clicked, this, [this] { cmdEnd_Click(); });
    connect(cmdPass, &QPushButton::clicked, this, [this] { cmdPass_Click(); });
    connect(picMode, &PictureBox::clicked, this, [this] { picMode_Click(); });
}

void frmTolvek::CreateCountLabels() {
    lblResult = MakeLabel("どちらの勝ち？", Qt::AlignHCenter);
    Place(lblResult, 38, 160, 93, 13);
    lblResult->setGeometry(lblResult->geometry().adjusted(-30, 0, 30, 0)); // long names fit
    const int countX[2][4] = {{24, 20, 27, 22}, {115, 108, 115, 110}};
    const int countW[2][4] = {{35, 41, 27, 37}, {27, 41, 27, 37}};
    for (size_t i = 0; i < 2; ++i) {
        lblCount[i] = MakeLabel("個数", Qt::AlignHCenter);
        Place(lblCount[i], countX[i][0], 184, countW[i][0], 13);
        lblCountBlack[i] = MakeLabel("黒個数", Qt::AlignHCenter);
        Place(lblCountBlack[i], countX[i][1], 200, countW[i][1], 13);
        lblCountColor[i] = MakeLabel("何色", Qt::AlignHCenter);
        Place(lblCountColor[i], countX[i][2], 216, countW[i][2], 13);
        lblTotal[i] = MakeLabel("点数", Qt::AlignHCenter, 12, true);
        Place(lblTotal[i], countX[i][3], 232, countW[i][3], 16);
        // This font runs a little wider than the one the panel was drawn for: widen the count
        // labels about their centres so "- 黒12個" is never clipped.
        for (QLabel* l : {lblCount[i], lblCountBlack[i], lblCountColor[i], lblTotal[i]}) {
            l->setGeometry(l->geometry().adjusted(-10, 0, 10, 0));
        }
    }
}

void frmTolvek::CreateSideColumns() {
    const int boxX[3] = {0, 16, 104};
    const int nameX[3] = {0, 14, 102};
    for (int s = 1; s <= 2; ++s) {
        imgChar[s] = new PictureBox(this);
        panel_.push_back(imgChar[s]);
        Place(imgChar[s], boxX[s], 256, 48, 48);
        picChar[s] = new PictureBox(this);
        panel_.push_back(picChar[s]);
        Place(picChar[s], boxX[s], 256, 50, 50);
        picCharImg[s] = new PictureBox(picChar[s]);
        picCharImg[s]->setGeometry(1, 1, 48, 48);
        picCharImg[s]->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Name and variant of the side's set; the name is set again once the window loads.
        // Names grow about their centres as far as the two columns allow, so "黒おひさま" shows
        // whole.
        const CharacterSetInfo* set = FindCharacterSet(game_.Options.CharSet[s]);
        const QString name = set != nullptr ? Q(game_.Options.CharName[set->Index + 1]) : "";
        lblName[s] = MakeLabel(name, Qt::AlignHCenter);
        Place(lblName[s], nameX[s], 309, 53, 13);
        lblName[s]->setGeometry(lblName[s]->geometry().adjusted(-17, 0, 17, 0));
        lblComment[s] = MakeLabel("", Qt::AlignHCenter);
        Place(lblComment[s], s == 1 ? 0 : 88, 360, 81, 13);
        // Two pixels in on each side: the right label would otherwise pass the window's edge.
        lblComment[s]->setGeometry(lblComment[s]->geometry().adjusted(2, 0, -2, 0));
        connect(picChar[s], &PictureBox::clicked, this, [this, s] { picChar_Click(s); });
        connect(imgChar[s], &PictureBox::clicked, this, [this, s] { picChar_Click(s); });
    }
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

void frmTolvek::CreateColourButtons() {
    const char* colorCaptions[3] = {"青", "黄", "赤"};
    const QColor faces[3] = {QColor(192, 255, 255), QColor(255, 255, 192), QColor(255, 192, 192)};
    for (size_t e = 0; e < 3; ++e) {
        cmdColor[e] = MakeButton(colorCaptions[e]);
        Place(cmdColor[e], 16 + 48 * static_cast<int>(e), 328, 41, 25);
        // Flat in its own colour: the widget style would paint its gradient over a palette colour.
        cmdColor[e]->setStyleSheet(
            QString("QPushButton { background-color: %1; border: 1px solid #808080; }"
                    "QPushButton:pressed { border: 2px inset #808080; }"
                    "QPushButton:disabled { color: #a0a0a0; }")
                .arg(faces[e].name()));
        connect(cmdColor[e], &QPushButton::clicked, this,
                [this, e] { cmdColor_Click(static_cast<int>(e)); });
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
    move(CentreOnScreen(ScreenOf(this), OuterSize()));
    panelWidth_ = RoundEvenInt((OuterSize().width() - cmdScore->x()) * TwipsPerPixelX(*this));

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
    PlaceBoardLabel();
    BuildCells();
    BuildGridLines();
    BuildBoardCursor();
    BuildFocusMark();
    lblBoard->lower();
    ApplyBoardLook();
    // One filter sees every input event: it swallows clicks while a piece blinks, and notices
    // the title label and the pass button being pressed.
    qApp->installEventFilter(this);
}

void frmTolvek::PlaceBoardLabel() {
    lblBoard = new QLabel(this);
    lblBoard->setAutoFillBackground(true);
    lblBoard->setGeometry(8, 8, game_.State.BoardWidth * CellWidth,
                          game_.State.BoardHeight * CellHeight);
    SetBoardColor(settings_.BoardColor);
}

void frmTolvek::BuildCells() {
    const GameState& g = game_.State;
    picKoma.reserve(static_cast<size_t>(g.CellCount()));
    int index = 0;
    for (int row = 1; row <= g.BoardHeight; ++row) {
        for (int column = 1; column <= g.BoardWidth; ++column, ++index) {
            auto* cell = new PictureBox(this);
            cell->setGeometry(8 + (column - 1) * CellWidth, 8 + (row - 1) * CellHeight, CellWidth,
                              CellHeight);
            // The second click of a double-click would land on the piece just placed.
            cell->SetDoubleClickIgnored(true);
            connect(cell, &PictureBox::clicked, this, [this, index] { picKoma_MouseClick(index); });
            picKoma.push_back(cell);
        }
    }
}

void frmTolvek::BuildGridLines() {
    const QRect board = lblBoard->geometry();
    auto line = [this](const QRect& r) {
        auto* l = new QWidget(this);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, Qt::black);
        l->setPalette(p);
        l->setGeometry(r);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        l->raise();
        return l;
    };
    for (int c = 0; c <= game_.State.BoardWidth; ++c) {
        lineTate.push_back(line(QRect(board.x() + c * CellWidth, board.y(), 1, board.height())));
    }
    for (int r = 0; r <= game_.State.BoardHeight; ++r) {
        lineYoko.push_back(line(QRect(board.x(), board.y() + r * CellHeight, board.width(), 1)));
    }
    // The last line reaches one pixel further, so the bottom-right corner is closed.
    QWidget* last = lineYoko.back();
    last->resize(last->width() + 1, 1);
}

void frmTolvek::BuildBoardCursor() {
    boardCursor_ = new BoardCursor(game_.State.BoardWidth, game_.State.BoardHeight,
                                   QSize(CellWidth, CellHeight), lblBoard->pos(), this);
    boardCursor_->raise(); // over the cells and the grid lines
    // The last piece's mark stays in sight when the cursor shares its cell.
    lastMove_ = new LastMoveMark(game_.State.BoardWidth, game_.State.BoardHeight,
                                 QSize(CellWidth, CellHeight), lblBoard->pos(), this);
    lastMove_->raise();
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
    if (boardCursor_ != nullptr) {
        boardCursor_->setFocus(Qt::OtherFocusReason);
    }
}

void frmTolvek::SetBoardSeeThrough(bool seeThrough) {
    lblBoard->setAutoFillBackground(!seeThrough);
    lblBoard->update();
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

void frmTolvek::ShowHowToPlay(bool overDialogs) {
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
    ShowFrameLines(settings_.ShowBorder);
    ShowInnerLines(settings_.ShowCross);
    ArrangePanel();
    ShowBackPicture(settings_.BackPicture);
}

void frmTolvek::ShowFrameLines(bool visible) {
    lineTate.front()->setVisible(visible);
    lineTate.back()->setVisible(visible);
    lineYoko.front()->setVisible(visible);
    lineYoko.back()->setVisible(visible);
}

void frmTolvek::ShowInnerLines(bool visible) {
    for (size_t i = 1; i + 1 < lineTate.size(); ++i) {
        lineTate[i]->setVisible(visible);
    }
    for (size_t i = 1; i + 1 < lineYoko.size(); ++i) {
        lineYoko[i]->setVisible(visible);
    }
}

QString frmTolvek::BackPicturePath() const {
    return dataDir_ + "TLVFORM.BMP";
}

void frmTolvek::ArrangePanel() {
    int newLeft = lineTate.back()->x() + 18;
    const int currentLeft = cmdScore->x();
    QSize picture;
    if (settings_.BackPicture && FileExists(BackPicturePath())) {
        picture = LoadPictureChecked(BackPicturePath(), MaxScreenPictureSize).size();
        const int needed = picture.width() - (OuterSize().width() - 6 - currentLeft);
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
    if (x() + OuterSize().width() > screen.right() + 1) {
        move(screen.x(), y());
    }
    const int lowerEnd = lineTate[1]->geometry().bottom() + 1;
    if (lblTitle->geometry().bottom() + 1 < lowerEnd + 35) {
        int outerHeight = lowerEnd + 35;
        if (picture.isValid() && outerHeight < picture.height()) {
            outerHeight = picture.height();
        }
        resize(width(), outerHeight - WindowFrameExtra.height());
        if (y() + OuterSize().height() > screen.bottom() + 1) {
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
    QPalette p = lblBoard->palette();
    p.setColor(QPalette::Window, ColorFromSetting(value, palette()));
    lblBoard->setPalette(p);
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
    if (event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr) {
        Form_Click();
    }
}

} // namespace tolvekin
