#include "settings/frmColor.h"

#include "common/layout/ControlTable.h"
#include "common/text/Fonts.h"
#include "settings/DialogHelpers.h"
#include "settings/SettingColor.h"
#include "settings/Settings.h"

#include <QPainter>
#include <QTimer>

namespace tolvekin {
namespace {

// A square button that shows its colour instead of a caption.
class Swatch : public QPushButton {
public:
    Swatch(const QColor& color, QWidget* parent) : QPushButton(parent), color_(color) {
        setAutoDefault(false);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const QRect r = rect();
        const QPalette& pal = palette();
        const bool down = isDown();
        // A raised bevel, sunken while pressed.
        p.fillRect(r, pal.color(QPalette::Button));
        p.setPen(down ? pal.color(QPalette::Shadow) : pal.color(QPalette::Light));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(down ? pal.color(QPalette::Light) : pal.color(QPalette::Shadow));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.fillRect(r.adjusted(2, 2, -2, -2), color_);
        if (hasFocus()) {
            // A dotted frame inside the bevel, dark on a light colour and light on a dark one,
            // so the colour itself stays as it is.
            QPen pen(color_.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine);
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(3, 3, -4, -4));
        }
    }

private:
    QColor color_;
};

} // namespace

// Six rows of eight: white to black down the first column, then red, orange, yellow, green,
// cyan, blue and magenta from pale to dark.
const std::array<int32_t, frmColor::PaletteSize> frmColor::PaletteColors{
    0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF,
    0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF,
    0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,
    0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0,
    0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080,
    0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040,
};

namespace {

using K = ControlKind;
constexpr std::string_view Window;

// The controls under the swatches, in the order they are made after them: the system colour
// stands last in the row of colours.
constexpr ControlRow Controls[]{
    Control(K::Button, "cmdColor48", Window, {28, 188, 189, 21}, "SystemColor （ボタンの表面）"),
    WithAlign(WithFont(Control(K::Label, "lblTitle", Window, {32, 12, 181, 21}),
                       FontFace::ProportionalGothic, 12),
              Qt::AlignCenter),
    Control(K::Button, "cmdClose", Window, {152, 216, 65, 25}, "閉じる"),
};

} // namespace

int32_t frmColor::ButtonColor(int i) {
    if (i >= 0 && i < PaletteSize) {
        return PaletteColors[static_cast<size_t>(i)];
    }
    return SystemButtonFace;
}

frmColor::frmColor(const QString& gameTitle, QWidget* owner)
    : QDialog(owner, FixedDialogFlags), title_(gameTitle), system_(palette()) {
    // The buttons, the system-colour button too, in the proportional Gothic of the other
    // dialogs' buttons.
    setFont(ProportionalGothicFont(9.75));
    setFixedSize(StandardClientWidth, StandardClientHeight);
    setAutoFillBackground(true);

    for (int i = 0; i < PaletteSize; ++i) {
        auto* button = new Swatch(ColorFromSetting(ButtonColor(i), system_), this);
        button->setGeometry(28 + 24 * (i % 8), 40 + 24 * (i / 8), 21, 21);
        cmdColor.push_back(button);
    }
    const MadeControls made = MakeControls(Controls, this);
    cmdColor.push_back(made.Get<QPushButton>("cmdColor48"));
    lblTitle = made.Get<QLabel>("lblTitle");
    cmdClose = made.Get<QPushButton>("cmdClose");
    for (size_t i = 0; i < cmdColor.size(); ++i) {
        connect(cmdColor[i], &QPushButton::clicked, this,
                [this, i] { cmdColor_Click(static_cast<int>(i)); });
    }
    cmdColor.back()->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    connect(cmdClose, &QPushButton::clicked, this, &frmColor::cmdClose_Click);

    move(CentreOnOwner(owner, OuterSize(*this)));
}

void frmColor::SetColorType(int32_t pType, int32_t current) {
    COLOR_TYPE = pType;
    const bool board = pType == 1;
    setWindowTitle(title_ +
                   (board ? QStringLiteral("　ボードの色選択") : QStringLiteral("　背景の色選択")));
    lblTitle->setText(board ? QStringLiteral("ボードの色") : QStringLiteral("背景の色"));
    ShowColor(current);
}

void frmColor::ShowColor(int32_t value) {
    color_ = value;
    QPalette p = palette();
    p.setColor(QPalette::Window, ColorFromSetting(value, system_));
    setPalette(p);
}

void frmColor::cmdColor_Click(int index) {
    const int32_t value = ButtonColor(index);
    ShowColor(value);
    if (Preview) {
        Preview(value);
    }
}

void frmColor::cmdClose_Click() {
    accept();
}

void frmColor::showEvent(QShowEvent* event) {
    // The focus is on the current colour from the first frame on: set before the window is
    // shown, it is the focus the window gets when it becomes active.
    FocusCurrentColor();
    QDialog::showEvent(event);
    // Once more after the platform has given the window its first focus.
    QTimer::singleShot(0, this, &frmColor::FocusCurrentColor);
}

void frmColor::FocusCurrentColor() {
    // The style draws the focus of a plain button only after a key has moved the focus; the
    // focus on the current colour is to be seen at once, as if the keyboard had put it there.
    setAttribute(Qt::WA_KeyboardFocusChange, true);
    for (size_t i = 0; i < cmdColor.size(); ++i) {
        if (ButtonColor(static_cast<int>(i)) == color_) {
            cmdColor[i]->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
    // A colour outside the palette: no palette button may look chosen.
    cmdClose->setFocus(Qt::ActiveWindowFocusReason);
}

} // namespace tolvekin
