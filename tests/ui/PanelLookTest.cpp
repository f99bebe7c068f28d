// The side panel as it looks: whole character names, the colour buttons in their own colours, and
// no raised frame left around the loser's hidden turn box.

#include "tests/support/DialogAnswerer.h"
#include "tests/support/StartedWindow.h"

#include <QFontMetrics>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace tolvekin;
using tolvekin::testing::DialogAnswerer;
using tolvekin::testing::StartedWindow;

namespace {

struct Panel : StartedWindow {
    explicit Panel(const std::function<void(Settings&)>& adjust)
        : StartedWindow("/nonexistent/", 11) {
        adjust(settings);
        Start();
    }
};

bool Fits(const QLabel* label) {
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width();
}

TEST(PanelLook, LongNamesShowWhole) {
    // The same set on both sides in black and white puts 黒 and 白 before the names.
    DialogAnswerer answers;
    Panel p([](Settings& s) {
        s.CharSet = {"", "SUN", "SUN"};
        s.CharName[1] = "おひさまだ"; // five characters, the most the options dialog keeps
    });
    frmTolvek& f = *p.form;
    MainWindowControls& c = f.Controls();
    answers.answers = {true}; // 黒と白のコマだけにしますか？
    QTest::mouseClick(c.lblTitle, Qt::LeftButton);
    ASSERT_TRUE(p.settings.MonoPieces);
    EXPECT_EQ(c.lblName[1]->text(), "黒おひさまだ");
    EXPECT_EQ(c.lblName[2]->text(), "白おひさまだ");
    EXPECT_TRUE(Fits(c.lblName[1]));
    EXPECT_TRUE(Fits(c.lblName[2]));
    EXPECT_FALSE(c.lblName[1]->geometry().intersects(c.lblName[2]->geometry()));
    for (int s = 1; s <= 2; ++s) {
        EXPECT_TRUE(Fits(c.lblComment[s])) << s;
        EXPECT_GE(c.lblComment[s]->font().pointSizeF(), 8.5); // no smaller than needed
        EXPECT_LE(c.lblComment[s]->geometry().right(), f.width() - 1);
    }
    // A short name keeps the panel's font.
    p.game.SetMonoPieces(false);
    p.settings.CharSet[2] = "FISH";
    p.host().ApplySettings({.GameOptions = true});
    EXPECT_EQ(c.lblName[2]->text(), "おさかな");
    EXPECT_DOUBLE_EQ(c.lblName[2]->font().pointSizeF(), 9.75);
}

TEST(PanelLook, ColourButtonsShowTheirColours) {
    Panel p([](Settings&) {});
    frmTolvek& f = *p.form;
    MainWindowControls& c = f.Controls();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const QColor faces[3] = {QColor(192, 255, 255), QColor(255, 255, 192), QColor(255, 192, 192)};
    for (size_t e = 0; e < 3; ++e) {
        const QImage shot = c.cmdColor[e]->grab().toImage();
        EXPECT_EQ(QColor(shot.pixel(4, 4)), faces[e]) << e;
        EXPECT_EQ(QColor(shot.pixel(shot.width() - 5, shot.height() - 5)), faces[e]) << e;
    }
}

TEST(PanelLook, LosersFrameGoesWithItsBox) {
    Panel p([](Settings&) {});
    frmTolvek& f = *p.form;
    MainWindowControls& c = f.Controls();
    p.view().ShowTurn(Side1, Side2); // the frame goes round side 2's box
    ASSERT_TRUE(f.HasFrame3D(c.picChar[2]));
    p.view().ShowGameOver(Side1, "おひさまの勝ち。");
    EXPECT_TRUE(f.HasFrame3D(c.picChar[1]));
    EXPECT_FALSE(f.HasFrame3D(c.picChar[2]));
    EXPECT_FALSE(c.picChar[2]->isVisibleTo(&f));
    p.view().ShowGameOver(NoSide, "引き分けです。");
    EXPECT_TRUE(f.HasFrame3D(c.picChar[2]));
}

TEST(PanelLook, VariantLabelsShareOneSizeAndFit) {
    Panel p([](Settings&) {});
    MainWindowControls& c = p.form->Controls();
    // Side 2 goes through the two sets side 1 does not show; both variants read in one size
    // each time.
    for (int click = 0; click < 2; ++click) {
        SCOPED_TRACE(click);
        EXPECT_EQ(c.lblComment[1]->font(), c.lblComment[2]->font());
        EXPECT_TRUE(Fits(c.lblComment[1]));
        EXPECT_TRUE(Fits(c.lblComment[2]));
        QTest::mouseClick(c.picChar[2], Qt::LeftButton);
    }
    EXPECT_EQ(c.lblComment[2]->text(), "海のぽるぽら");
}

} // namespace
