#include "settings/frmVersion.h"

#include "common/Fonts.h"
#include "common/StandardOptions.h"
#include "settings/DialogHelpers.h"

namespace tolvekin {

QString frmVersion::ConfiguredHomePage() {
    return QStringLiteral(TOLVEKIN_HOMEPAGE);
}

frmVersion::frmVersion(QWidget* owner, const QString& homePage) : QDialog(owner, FixedDialogFlags) {
    setWindowTitle(QStringLiteral("Version"));
    // Every line in the proportional Gothic; the version line bold 9 pt.
    setFont(ProportionalGothicFont(9.75));
    setFixedSize(StandardClientWidth, StandardClientHeight);

    fraMaker = new QGroupBox(this);
    fraMaker->setGeometry(8, 16, 297, 65);

    // Always the built-in name, whatever title the player has given the game.
    lblProgramVersion =
        new QLabel(QStringLiteral("ぽるぽら") + " (Version " + ProgramVersion() + ")", fraMaker);
    lblProgramVersion->setGeometry(16, 13, 267, 17);
    lblProgramVersion->setAlignment(Qt::AlignCenter);
    lblProgramVersion->setFont(ProportionalGothicFont(9, true));

    lblCopy = new QLabel(QStringLiteral("作：tolvekin をつくる会"), fraMaker);
    lblCopy->setGeometry(16, 29, 267, 17);
    lblCopy->setAlignment(Qt::AlignCenter);

    // Read-only and without a frame, so it reads like a line of the window, yet can be selected
    // and copied.
    txtHomePage = new QLineEdit(fraMaker);
    SetBoxText(txtHomePage, homePage);
    txtHomePage->setVisible(!homePage.isEmpty());
    if (homePage.isEmpty()) {
        // Two lines in the frame: they sit in its middle.
        lblProgramVersion->move(lblProgramVersion->x(), lblProgramVersion->y() + 8);
        lblCopy->move(lblCopy->x(), lblCopy->y() + 8);
    }
    txtHomePage->setGeometry(16, 45, 267, 18);
    txtHomePage->setReadOnly(true);
    txtHomePage->setFrame(false);
    txtHomePage->setAlignment(Qt::AlignCenter);
    SelectAllTextOnFocus(txtHomePage);

    // The frame and the address box take the window's colour, so they blend in.
    for (QWidget* w : {static_cast<QWidget*>(fraMaker), static_cast<QWidget*>(txtHomePage)}) {
        QPalette p = w->palette();
        p.setColor(QPalette::Base, palette().color(QPalette::Window));
        p.setColor(QPalette::Button, palette().color(QPalette::Window));
        w->setPalette(p);
    }

    cmdEnd = new QPushButton(QStringLiteral("閉じる"), this);
    cmdEnd->setGeometry(240, 88, 65, 25);
    cmdEnd->setDefault(true);
    connect(cmdEnd, &QPushButton::clicked, this, &frmVersion::cmdEnd_Click);
    setTabOrder(txtHomePage, cmdEnd);

    cmdHowTo = new QPushButton(QStringLiteral("あそびかた"), this);
    cmdHowTo->setGeometry(8, 88, 81, 25);
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
