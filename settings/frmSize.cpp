#include "settings/frmSize.h"

#include "common/dialogs/DialogSeam.h"
#include "common/layout/ControlTable.h"
#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"
#include "engine/Rounding.h"
#include "settings/DialogHelpers.h"
#include "settings/SizePreview.h"

#include <QMouseEvent>

#include <algorithm>
#include <cmath>

namespace tolvekin {
namespace {

const QColor PreviewGrey(0xC0, 0xC0, 0xC0);

using K = ControlKind;
constexpr std::string_view Window;
constexpr std::string_view SizeTip = "たて　よこ　を入力して、仮決定を押してください";

// Enter presses only a button that has the keyboard focus; in a text box it is 仮決定 (see the
// constructor), never the first button of the window.
constexpr ControlRow Button(std::string_view name, QRect place, std::string_view caption,
                            std::string_view tip) {
    return WithFont(Control(K::Button, name, Window, place, caption, tip),
                    FontFace::ProportionalGothic, 9.75);
}

// The dialog's controls in the order they are made. The second line of the guide stands under
// the first, wherever the first's font leaves it; the cells of the preview are laid out as the
// board's size asks, from the hidden model cell lblKoma0.
constexpr ControlRow Controls[]{
    Control(K::Label, "lblGuide", Window, {20, 12, 257, 12},
            "とりきめ画面で決定した後、次回起動時に有効です"),
    Control(K::Label, "lblTate", Window, {44, 40, 22, 12}, "たて"),
    Control(K::LineEdit, "txtTate", Window, {76, 40, 21, 21}, {}, SizeTip),
    Control(K::Label, "lblYoko", Window, {44, 68, 20, 12}, "よこ"),
    Control(K::LineEdit, "txtYoko", Window, {76, 68, 21, 21}, {}, SizeTip),
    Button("cmdMax0", {60, 92, 37, 17}, "Max", "現在の解像度での最大値を設定します"),
    Button("cmdMax1", {60, 112, 37, 17}, "8x8", "標準のボードにします"),
    Button("cmdCheck", {12, 152, 65, 25}, "仮決定", "仮決定してから閉じてください"),
    Control(K::Label, "lblGuide2_0", Window, {80, 152, 160, 12}, "最初に配置される位置（左上）を"),
    Control(K::Label, "lblGuide2_1", Window, {80, 152, 96, 12}, "クリックしてください"),
    Button("cmdClose", {248, 152, 65, 25}, "閉じる", "取り消すときは右上の×を押してください"),
    WithAlign(WithFont(Control(K::Label, "lblKoma0", Window, {8, 28, 21, 21}), FontFace::Gothic, 8),
              Qt::AlignRight | Qt::AlignVCenter),
};

// A label widened or heightened where its font needs more room than its place.
void GrowToCaption(QLabel* label) {
    const QSize need = label->sizeHint();
    label->resize(std::max(label->width(), need.width()), std::max(label->height(), need.height()));
}

// Numbers only: no input method.
void TakeNumbersOnly(QLineEdit* box) {
    box->setInputMethodHints(Qt::ImhDigitsOnly | Qt::ImhPreferLatin);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    SelectAllTextOnFocus(box);
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

    CreateControls();

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

void frmSize::CreateControls() {
    const MadeControls made = MakeControls(Controls, this);
    lblGuide = made.Get<QLabel>("lblGuide");
    lblTate = made.Get<QLabel>("lblTate");
    txtTate = made.Get<QLineEdit>("txtTate");
    lblYoko = made.Get<QLabel>("lblYoko");
    txtYoko = made.Get<QLineEdit>("txtYoko");
    cmdMax = {made.Get<QPushButton>("cmdMax0"), made.Get<QPushButton>("cmdMax1")};
    cmdCheck = made.Get<QPushButton>("cmdCheck");
    lblGuide2 = {made.Get<QLabel>("lblGuide2_0"), made.Get<QLabel>("lblGuide2_1")};
    cmdClose = made.Get<QPushButton>("cmdClose");

    for (QLabel* label : {lblGuide, lblTate, lblYoko, lblGuide2[0], lblGuide2[1]}) {
        GrowToCaption(label);
    }
    lblGuide2[1]->move(lblGuide2[1]->x(), lblGuide2[0]->y() + lblGuide2[0]->height());
    TakeNumbersOnly(txtTate);
    TakeNumbersOnly(txtYoko);
    for (QPushButton* button : {cmdMax[0], cmdMax[1], cmdCheck, cmdClose}) {
        button->setAutoDefault(true);
    }

    // The model of the preview cells; it is never shown.
    auto* cell = made.Get<QLabel>("lblKoma0");
    cell->setFrameStyle(QFrame::Box | QFrame::Plain);
    cell->setLineWidth(1);
    PaintCell(cell, PreviewGrey, palette().color(QPalette::WindowText));
    cell->hide();
    lblKoma.push_back(cell);
    tags_.emplace_back();
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
