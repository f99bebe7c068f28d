#include "settings/frmSize.h"

#include "common/DialogSeam.h"
#include "common/Fonts.h"
#include "common/Utf8Text.h"
#include "engine/Rounding.h"
#include "settings/DialogHelpers.h"
#include "settings/SizePreview.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace tolvekin {
namespace {

const QColor PreviewGrey(0xC0, 0xC0, 0xC0);

QString Tip() {
    return QStringLiteral("たて　よこ　を入力して、仮決定を押してください");
}

// A label at its place, widened or heightened where the font needs more room.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    const QSize need = label->sizeHint();
    label->setGeometry(place.x(), place.y(), std::max(place.width(), need.width()),
                       std::max(place.height(), need.height()));
    return label;
}

// Enter presses only a button that has the keyboard focus; in a text box it is 仮決定 (see the
// constructor), never the first button of the window.
QPushButton* MakeButton(QWidget* parent, const QString& text, const QRect& place,
                        const QString& tip) {
    auto* button = new QPushButton(text, parent);
    button->setFont(ProportionalGothicFont(9.75));
    button->setGeometry(place);
    button->setToolTip(tip);
    button->setAutoDefault(true);
    return button;
}

QLineEdit* MakeNumberBox(QWidget* parent, const QRect& place) {
    auto* box = new QLineEdit(parent);
    box->setGeometry(place);
    box->setToolTip(Tip());
    // Numbers only: no input method.
    box->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    SelectAllTextOnFocus(box);
    return box;
}

int32_t RoundedValue(const QString& text) {
    return RoundEvenInt(ParseNumber(text).value_or(0));
}

} // namespace

frmSize::frmSize(Settings& settings, const ScreenMetrics& screen, const QColor& background,
                 QWidget* owner)
    : QDialog(owner, FixedDialogFlags), screen_(screen) {
    setFont(ProportionalGothicFont(9));
    setWindowTitle(Q(settings.GameTitle) + QStringLiteral("　サイズの変更"));
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
    setAutoFillBackground(true);
    setFixedSize(StandardClientWidth, StandardClientHeight);

    lblGuide = MakeLabel(this, QStringLiteral("とりきめ画面で決定した後、次回起動時に有効です"),
                         QRect(20, 12, 257, 12));
    lblTate = MakeLabel(this, QStringLiteral("たて"), QRect(44, 40, 22, 12));
    txtTate = MakeNumberBox(this, QRect(76, 40, 21, 21));
    lblYoko = MakeLabel(this, QStringLiteral("よこ"), QRect(44, 68, 20, 12));
    txtYoko = MakeNumberBox(this, QRect(76, 68, 21, 21));
    cmdMax[0] = MakeButton(this, QStringLiteral("Max"), QRect(60, 92, 37, 17),
                           QStringLiteral("現在の解像度での最大値を設定します"));
    cmdMax[1] = MakeButton(this, QStringLiteral("8") + "x" + "8", QRect(60, 112, 37, 17),
                           QStringLiteral("標準のボードにします"));
    cmdCheck = MakeButton(this, QStringLiteral("仮決定"), QRect(12, 152, 65, 25),
                          QStringLiteral("仮決定してから閉じてください"));
    lblGuide2[0] =
        MakeLabel(this, QStringLiteral("最初に配置される位置（左上）を"), QRect(80, 152, 160, 12));
    lblGuide2[1] = MakeLabel(this, QStringLiteral("クリックしてください"),
                             QRect(80, 152 + lblGuide2[0]->height(), 96, 12));
    cmdClose = MakeButton(this, QStringLiteral("閉じる"), QRect(248, 152, 65, 25),
                          QStringLiteral("取り消すときは右上の×を押してください"));

    // The template of the preview cells; it is never shown.
    auto* cell = new QLabel(this);
    cell->setGeometry(8, 28, 21, 21);
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cell->setFont(GothicFont(8));
    PaintCell(cell, PreviewGrey, palette().color(QPalette::WindowText));
    cell->hide();
    lblKoma.push_back(cell);
    tags_.emplace_back();

    setTabOrder(txtTate, txtYoko);
    setTabOrder(txtYoko, cmdMax[0]);
    setTabOrder(cmdMax[0], cmdCheck);
    setTabOrder(cmdCheck, cmdClose);
    setTabOrder(cmdClose, cmdMax[1]);

    connect(txtTate, &QLineEdit::textChanged, this, [this] { ShowGuide(false); });
    connect(txtYoko, &QLineEdit::textChanged, this, [this] { ShowGuide(false); });
    connect(cmdMax[0], &QPushButton::clicked, this, [this] { cmdMax_Click(0); });
    connect(cmdMax[1], &QPushButton::clicked, this, [this] { cmdMax_Click(1); });
    connect(cmdCheck, &QPushButton::clicked, this, &frmSize::cmdCheck_Click);
    // Enter in either box previews what was typed.
    cmdCheck->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmSize::cmdClose_Click);

    move(CentreOnOwner(owner, OuterSize(*this)));
}

void frmSize::SetForm(int32_t pMaxX, int32_t pMaxY, int32_t pMidX, int32_t pMidY) {
    RTN_MAX_BOARD_X = pMaxX;
    RTN_MAX_BOARD_Y = pMaxY;
    RTN_MID_X = pMidX;
    RTN_MID_Y = pMidY;
    SetBoxText(txtTate, QString::number(pMaxY));
    SetBoxText(txtYoko, QString::number(pMaxX));
    BuildPreview(pMaxX, pMaxY);
    MarkInitialBlock(pMidX, pMidY);
}

void frmSize::BuildPreview(int32_t cols, int32_t rows) {
    while (lblKoma.size() > 1) {
        delete lblKoma.back();
        lblKoma.pop_back();
        tags_.pop_back();
    }
    weightsShown_ = false;
    keptCaptions_.clear();

    const PreviewLayout layout =
        LayoutPreview(cols, rows,
                      PreviewInput{txtTate->geometry(), lblKoma[0]->size(), cmdCheck->geometry(),
                                   cmdClose->geometry(), lblGuide2[0]->geometry(),
                                   lblGuide2[1]->geometry(), OuterSize(*this)});
    const QLabel* model = lblKoma[0];
    for (int32_t n = 1; n <= static_cast<int32_t>(layout.cells.size()); ++n) {
        auto* cell = new QLabel(QString::number(n), this);
        cell->setFrameStyle(model->frameStyle());
        cell->setLineWidth(model->lineWidth());
        cell->setAlignment(model->alignment());
        cell->setFont(model->font());
        cell->setGeometry(layout.cells[static_cast<size_t>(n - 1)]);
        PaintCell(cell, PreviewGrey, Qt::white);
        cell->installEventFilter(this);
        cell->show();
        lblKoma.push_back(cell);
        tags_.push_back(CellTag((n - 1) % cols + 1, (n - 1) / cols + 1));
    }
    cmdCheck->setGeometry(layout.check);
    cmdClose->setGeometry(layout.close);
    lblGuide2[0]->setGeometry(layout.guide0);
    lblGuide2[1]->setGeometry(layout.guide1);
    setFixedSize(layout.outer - WindowFrameExtra);
    move(CentreOnOwner(parentWidget(), layout.outer, true));
    previewWidth_ = cols;
    previewHeight_ = rows;
}

void frmSize::MarkInitialBlock(int32_t x, int32_t y) {
    for (size_t i = 1; i < lblKoma.size(); ++i) {
        const int32_t c = tags_[i].left(2).toInt();
        const int32_t r = tags_[i].right(2).toInt();
        switch (InitialBlockShade(c, r, x, y)) {
        case CellShade::Side1:
            PaintCell(lblKoma[i], Qt::black, Qt::white);
            break;
        case CellShade::Side2:
            PaintCell(lblKoma[i], Qt::white, Qt::black);
            break;
        case CellShade::Empty:
            PaintCell(lblKoma[i], PreviewGrey, Qt::black);
            break;
        }
    }
    blockX_ = x;
    blockY_ = y;
}

void frmSize::PaintCell(QLabel* cell, const QColor& back, const QColor& text) {
    QPalette p = cell->palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    cell->setPalette(p);
    cell->setAutoFillBackground(true);
}

void frmSize::ShowGuide(bool visible) {
    lblGuide2[0]->setVisible(visible);
    lblGuide2[1]->setVisible(visible);
}

void frmSize::cmdCheck_Click() {
    const SizeCheck check = CheckTypedSize(txtTate->text(), txtYoko->text());
    if (check.refused != SizeCheck::Field::None) {
        MessageForm(check.message);
        (check.refused == SizeCheck::Field::Height ? txtTate : txtYoko)->setFocus();
        return;
    }
    BuildPreview(check.cols, check.rows);
    MarkInitialBlock(check.midX, check.midY);
    ShowGuide(true);
}

void frmSize::cmdMax_Click(int index) {
    if (index == 0) {
        int32_t rows = 0;
        int32_t cols = 0;
        GetMaxBoardSize(screen_, rows, cols);
        SetBoxText(txtTate, QString::number(rows));
        SetBoxText(txtYoko, QString::number(cols));
    } else {
        SetBoxText(txtTate, QStringLiteral("8"));
        SetBoxText(txtYoko, QStringLiteral("8"));
    }
    cmdCheck_Click();
}

void frmSize::cmdClose_Click() {
    RTN_MID_X = blockX_;
    RTN_MID_Y = blockY_;
    RTN_MAX_BOARD_X = previewWidth_;
    RTN_MAX_BOARD_Y = previewHeight_;
    accept();
}

void frmSize::lblKoma_Click(int index) {
    if (index < 1 || index >= static_cast<int>(lblKoma.size()) || lblGuide2[0]->isHidden()) {
        return;
    }
    const auto corner = BlockFromTag(tags_[static_cast<size_t>(index)],
                                     RoundedValue(txtYoko->text()), RoundedValue(txtTate->text()));
    if (!corner) {
        return; // the block would not fit
    }
    cmdClose->setFocus();
    MarkInitialBlock(corner->x, corner->y);
}

void frmSize::Form_MouseDown(Qt::MouseButton button) {
    const qsizetype cells = static_cast<qsizetype>(lblKoma.size()) - 1;
    if (button == Qt::RightButton) {
        if (weightsShown_) {
            return;
        }
        const QStringList weights = CellWeightCaptions(previewWidth_, previewHeight_);
        keptCaptions_.clear();
        for (qsizetype n = 1; n <= cells && n <= weights.size(); ++n) {
            keptCaptions_.append(lblKoma[static_cast<size_t>(n)]->text());
            lblKoma[static_cast<size_t>(n)]->setText(weights[n - 1]);
        }
        weightsShown_ = true;
    } else if (weightsShown_) {
        for (qsizetype n = 1; n <= cells && n <= keptCaptions_.size(); ++n) {
            lblKoma[static_cast<size_t>(n)]->setText(keptCaptions_[n - 1]);
        }
        weightsShown_ = false;
    }
}

void frmSize::mousePressEvent(QMouseEvent* event) {
    // Only the dialog's own background counts, not a control on it.
    if (childAt(event->position().toPoint()) == nullptr) {
        Form_MouseDown(event->button());
    }
    QDialog::mousePressEvent(event);
}

bool frmSize::eventFilter(QObject* watched, QEvent* event) {
    auto* cell = qobject_cast<QLabel*>(watched);
    const auto at = std::find(lblKoma.begin() + 1, lblKoma.end(), cell);
    if (at == lblKoma.end()) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonPress) {
        return true; // a press on a cell is not a press on the background
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            cell->rect().contains(mouse->position().toPoint())) {
            lblKoma_Click(static_cast<int>(at - lblKoma.begin()));
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tolvekin
