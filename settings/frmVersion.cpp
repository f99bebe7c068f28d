#include "settings/frmVersion.h"

#include "common/layout/ControlTable.h"
#include "common/start/StandardOptions.h"
#include "common/text/Fonts.h"
#include "settings/DialogHelpers.h"

namespace tolvekin {
namespace {

using K = ControlKind;
constexpr std::string_view Window;

// The window's controls in the order they are made; every line of the frame is centred in it.
constexpr ControlRow Controls[]{
    Control(K::GroupBox, "fraMaker", Window, {8, 16, 297, 65}),
    WithAlign(WithFont(Control(K::Label, "lblProgramVersion", "fraMaker", {16, 13, 267, 17}),
                       FontFace::ProportionalGothic, 9, true),
              Qt::AlignCenter),
    WithAlign(
        Control(K::Label, "lblCopy", "fraMaker", {16, 29, 267, 17}, "作：tolvekin をつくる会"),
        Qt::AlignCenter),
    WithAlign(Control(K::LineEdit, "txtHomePage", "fraMaker", {16, 45, 267, 18}), Qt::AlignCenter),
    Control(K::Button, "cmdEnd", Window, {240, 88, 65, 25}, "閉じる"),
    Control(K::Button, "cmdHowTo", Window, {8, 88, 81, 25}, "あそびかた"),
};

} // namespace

QString frmVersion::ConfiguredHomePage() {
    return QStringLiteral(TOLVEKIN_HOMEPAGE);
}

frmVersion::frmVersion(QWidget* owner, const QString& homePage) : QDialog(owner, FixedDialogFlags) {
    setWindowTitle(QStringLiteral("Version"));
    // Every line in the proportional Gothic; the version line bold 9 pt.
    setFont(ProportionalGothicFont(9.75));
    setFixedSize(StandardClientWidth, StandardClientHeight);

    const MadeControls made = MakeControls(Controls, this);
    fraMaker = made.Get<QGroupBox>("fraMaker");
    lblProgramVersion = made.Get<QLabel>("lblProgramVersion");
    lblCopy = made.Get<QLabel>("lblCopy");
    txtHomePage = made.Get<QLineEdit>("txtHomePage");
    cmdEnd = made.Get<QPushButton>("cmdEnd");
    cmdHowTo = made.Get<QPushButton>("cmdHowTo");

    // Always the built-in name, whatever title the player has given the game.
    lblProgramVersion->setText(QStringLiteral("ぽるぽら") + " (Version " + ProgramVersion() + ")");
    SetBoxText(txtHomePage, homePage);
    txtHomePage->setVisible(!homePage.isEmpty());
    if (homePage.isEmpty()) {
        // Two lines in the frame: they sit in its middle.
        lblProgramVersion->move(lblProgramVersion->x(), lblProgramVersion->y() + 8);
        lblCopy->move(lblCopy->x(), lblCopy->y() + 8);
    }
    // Read-only and without a frame, so it reads like a line of the window, yet can be selected
    // and copied.
    txtHomePage->setReadOnly(true);
    txtHomePage->setFrame(false);
    SelectAllTextOnFocus(txtHomePage);

    // The frame and the address box take the window's colour, so they blend in.
    for (QWidget* w : {static_cast<QWidget*>(fraMaker), static_cast<QWidget*>(txtHomePage)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
        p.setColor(QPalette::Button, palette().color(QPalette::Window));
        w->setPalette(p);
    }

    cmdEnd->setDefault(true);
    connect(cmdEnd, &QPushButton::clicked, this, &frmVersion::cmdEnd_Click);
    setTabOrder(txtHomePage, cmdEnd);

    cmdHowTo->setAutoDefault(false);
    cmdHowTo->hide();
    connect(cmdHowTo, &QPushButton::clicked, this, [this] {
        if (howToPlay_) {
            howToPlay_();
        }
    });

    move(CentreOnOwner(owner, OuterSize(*this)));
}

void frmVersion::SetHowToPlay(std::function<void()> show) {
    howToPlay_ = std::move(show);
    cmdHowTo->setVisible(static_cast<bool>(howToPlay_));
}

} // namespace tolvekin
