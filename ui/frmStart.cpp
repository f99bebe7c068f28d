#include "ui/frmStart.h"

#include "common/Fonts.h"
#include "common/StandardOptions.h"
#include "common/WindowGeometry.h"
#include "engine/Rounding.h"
#include "ui/Artwork.h"
#include "ui/PictureBox.h"
#include "ui/PiecePictures.h"

#include <QApplication>
#include <QGuiApplication>

namespace tolvekin {
namespace {

// The width of a full bar; each of the ten steps adds a tenth of it.
constexpr int BarFullWidth = 213;

} // namespace

bool IsFormLoaded(const QString& name) {
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name) {
            return true;
        }
    }
    return false;
}

frmStart::frmStart(RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      random_(random) {
    setObjectName("frmStart");
    setWindowIcon(artwork::ProgramIcon());
    setFixedSize(370, 162);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 255, 255));
    setPalette(p);
    setAutoFillBackground(true);

    auto label = [this](const QString& text, const QRect& r, const QFont& font, bool centred) {
        auto* l = new QLabel(text, this);
        l->setGeometry(r);
        l->setFont(font);
        l->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        return l;
    };
    lblTitle = label("ぽるぽら", QRect(117, 8, 135, 21), GothicFont(15.75, true), true);
    lblType = label("", QRect(136, 32, 97, 13), GothicFont(9.75), true);
    lblVersion = label("", QRect(16, 56, 337, 17), GothicFont(12, true), true);
    lblGuide01 = label("太陽のぽるぽらと海のぽるぽらと山のぽるぽら", QRect(8, 88, 353, 13),
                       GothicFont(9.75), true);
    lblGuide02 = label("ただいま準備ちゅう ....", QRect(12, 112, 121, 13), GothicFont(9.75), false);
    label("作画とプログラム: tolvekin の仲間たち", QRect(8, 136, 353, 13), GothicFont(9.75), true);
    label("Qt 6 で動く新しいぽるぽら", QRect(8, 148, 353, 13), GothicFont(8), true);
    for (int i = 0; i < 2; ++i) {
        picChar[static_cast<size_t>(i)] = new PictureBox(this);
        picChar[static_cast<size_t>(i)]->setGeometry(i == 0 ? 8 : 312, 44, 48, 48);
        picChar[static_cast<size_t>(i)]->hide();
    }
    barJunbi = new QWidget(this);
    QPalette bar = barJunbi->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 255));
    barJunbi->setPalette(bar);
    barJunbi->setAutoFillBackground(true);
    barJunbi->setGeometry(148, 112, 0, 17);
    timDelay.setInterval(100);
    timDelay.setSingleShot(true);

    // The load handler: centred on the screen, first step of the bar.
    move(CentreOnScreen(QGuiApplication::primaryScreen(), OuterSize(*this)));
    setWindowTitle(lblTitle->text() + "　開始");
    lblType->setText("for Linux");
    lblVersion->setText(QString("Version ") + ProgramVersion());
    BarUnit = BarFullWidth / 10.0;
    AddJunbiBar(1);
}

void frmStart::ResetTitle(const QString& gameTitle) {
    setWindowTitle(gameTitle + "　開始");
    lblTitle->setText(gameTitle);
    repaint();
}

void frmStart::AddJunbiBar(int step) {
    const int n = step > 10 ? 10 : step;
    barJunbi->resize(RoundEvenInt(BarUnit * n), barJunbi->height());
    if (!IsFormLoaded("frmTolvek") || Sets == nullptr) {
        for (PictureBox* p : picChar) {
            p->hide();
        }
        repaint();
        return;
    }
    const int k = 9;
    for (PictureBox* box : picChar) {
        box->show();
        int t = static_cast<int>(random_.Next() * 3 * k);
        if (t >= 3 * k) {
            t = 3 * k - 1;
        }
        const auto pick = [&](const PictureSet& set, int i) { return set[static_cast<size_t>(i)]; };
        if (t < k) {
            box->SetPicture(pick(Sets->imgBear, t));
        } else if (t < 2 * k) {
            box->SetPicture(pick(Sets->imgSun[0].isNull() ? Sets->imgBear : Sets->imgSun, t - k));
        } else {
            box->SetPicture(
                pick(Sets->imgFish[0].isNull() ? Sets->imgBear : Sets->imgFish, t - 2 * k));
        }
    }
    repaint();
    // Pause one period of the timer while the windows repaint.
    timDelay.start();
    while (timDelay.isActive()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

} // namespace tolvekin
