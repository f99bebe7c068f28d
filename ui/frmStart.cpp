#include "ui/frmStart.h"

#include "common/layout/ControlTable.h"
#include "common/layout/WindowGeometry.h"
#include "common/start/StandardOptions.h"
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

using K = ControlKind;
constexpr std::string_view Window;

// Every label in the Gothic, reading from its top.
constexpr ControlRow Text(std::string_view name, QRect place, std::string_view caption,
                          double points, bool bold = false, bool centred = true) {
    return WithAlign(
        WithFont(Control(K::Label, name, Window, place, caption), FontFace::Gothic, points, bold),
        (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
}

// The window's controls in the order they are made. The bar starts empty and grows a tenth of
// its full width at each step.
constexpr ControlRow Controls[]{
    Text("lblTitle", {117, 8, 135, 21}, "ぽるぽら", 15.75, true),
    Text("lblType", {136, 32, 97, 13}, {}, 9.75),
    Text("lblVersion", {16, 56, 337, 17}, {}, 12, true),
    Text("lblGuide01", {8, 88, 353, 13}, "太陽のぽるぽらと海のぽるぽらと山のぽるぽら", 9.75),
    Text("lblGuide02", {12, 112, 121, 13}, "ただいま準備ちゅう ....", 9.75, false, false),
    Text("lblCredit01", {8, 136, 353, 13}, "作画とプログラム: tolvekin の仲間たち", 9.75),
    Text("lblCredit02", {8, 148, 353, 13}, "Qt 6 で動く新しいぽるぽら", 8),
    Control(K::Own, "picChar0", Window, {8, 44, 48, 48}),
    Control(K::Own, "picChar1", Window, {312, 44, 48, 48}),
    Control(K::Panel, "barJunbi", Window, {148, 112, 0, 17}),
};

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

    const MadeControls made =
        MakeControls(Controls, this, [](const ControlRow& row, QWidget* parent) -> QWidget* {
            return row.Kind == ControlKind::Own ? new PictureBox(parent) : nullptr;
        });
    lblTitle = made.Get<QLabel>("lblTitle");
    lblType = made.Get<QLabel>("lblType");
    lblVersion = made.Get<QLabel>("lblVersion");
    lblGuide01 = made.Get<QLabel>("lblGuide01");
    lblGuide02 = made.Get<QLabel>("lblGuide02");
    picChar = {made.Get<PictureBox>("picChar0"), made.Get<PictureBox>("picChar1")};
    for (PictureBox* box : picChar) {
        box->hide();
    }
    barJunbi = made.Get<QWidget>("barJunbi");
    QPalette bar = barJunbi->palette();
    bar.setColor(QPalette::Window, QColor(0, 0, 255));
    barJunbi->setPalette(bar);
    barJunbi->setAutoFillBackground(true);
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
