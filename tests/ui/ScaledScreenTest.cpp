// The main window on a screen scaled to 200%: the built-in pictures it shows are drawn at twice
// the pixels, a piece picture from a file stays as it is, and the layout stays in logical pixels.

#include "common/layout/WindowGeometry.h"
#include "tests/support/StartedWindow.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;
using tolvekin::testing::StartedWindow;

namespace {

QImage Pixels(const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(ScaledScreen, BuiltInPicturesAreSharpFilePicturesStayAndTheLayoutKeepsItsSize) {
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0) << "the test runs on a screen scaled by 2";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The fish's white piece comes from a file, as the character maker writes it.
    QImage fromFile(48, 48, QImage::Format_RGB32);
    fromFile.fill(QColor(0, 255, 255));
    ASSERT_TRUE(fromFile.save(dir.filePath("TLVFISH0.BMP"), "BMP"));

    StartedWindow w(dir.path() + "/", 3);
    w.SetBoard(8, 8);
    w.Start();
    frmTolvek* form = w.form;
    ASSERT_NE(form, nullptr);
    MainWindowControls& c = w.c();

    // Logical layout, as on an ordinary screen.
    EXPECT_EQ(QRect(form->Cell(1, 1)->mapTo(form, QPoint(0, 0)), form->Cell(1, 1)->size()),
              QRect(8, 8, 48, 48));
    EXPECT_EQ(c.cmdScore->x(), 410);
    EXPECT_EQ(OuterSize(*form).width(), 585);

    // The four starting pieces: white, side 1 the sun (built in), side 2 the fish (the file).
    int sunCells = 0;
    int fishCells = 0;
    const GameState& g = w.game.State;
    for (int y = 4; y <= 5; ++y) {
        for (int x = 4; x <= 5; ++x) {
            const QPixmap& shown = form->Cell(x, y)->Picture();
            SCOPED_TRACE(::testing::Message() << x << "," << y << " side " << g.Board(x, y));
            ASSERT_FALSE(shown.isNull());
            if (g.Board(x, y) == 1) {
                ++sunCells;
                EXPECT_EQ(shown.size(), QSize(96, 96));
                EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 2.0);
                EXPECT_EQ(Pixels(shown), artwork::PiecePicture(artwork::CharacterSet::Sun, 0, 2.0)
                                             .convertToFormat(QImage::Format_ARGB32));
            } else {
                ++fishCells;
                EXPECT_EQ(shown.size(), QSize(48, 48));
                EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), 1.0);
                EXPECT_EQ(Pixels(shown), fromFile.convertToFormat(QImage::Format_ARGB32));
            }
        }
    }
    EXPECT_EQ(sunCells, 2);
    EXPECT_EQ(fishCells, 2);

    // The turn box, the mode picture and the cursors are drawn at the screen's ratio too.
    EXPECT_EQ(c.picCharImg[1]->Picture().size(), QSize(96, 96));
    EXPECT_EQ(c.picCharImg[1]->geometry().size(), QSize(48, 48));
    EXPECT_EQ(c.picMode->Picture().size(), QSize(96, 96));
    EXPECT_DOUBLE_EQ(c.picMode->Picture().devicePixelRatio(), 2.0);
    for (const QPixmap& cursor : c.imgCursor) {
        EXPECT_EQ(cursor.size(), QSize(64, 64));
        EXPECT_DOUBLE_EQ(cursor.devicePixelRatio(), 2.0);
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
