// What the maker writes, the game reads: a character converted into a folder replaces the
// game's built-in pictures of that set and its name when the game starts there.

#include "app/GameSession.h"
#include "maker/Conversion.h"
#include "settings/mdlOption.h"
#include "ui/frmTolvek.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;

TEST(GameReadsMaker, ConvertedFishReplacesTheBuiltInFish) {
    QTemporaryDir temp;
    const QString dir = temp.path() + "/";
    zenbro::Points ring{};
    for (int i = 0; i < zenbro::GridCells; ++i) {
        const int c = zenbro::CellColumn(i);
        const int r = zenbro::CellRow(i);
        ring[static_cast<size_t>(i)] =
            c >= 8 && c <= 39 && r >= 8 && r <= 39 && (c == 8 || c == 39 || r == 8 || r == 39);
    }
    zenbro::Conversion conversion(dir, "TLVFISH");
    conversion.WriteName("まるいさかな");
    QImage preview = zenbro::PreviewFromPoints(ring);
    conversion.SaveOutline(preview);
    conversion.MakePictures(preview);
    ASSERT_TRUE(conversion.Report().failed.isEmpty());

    Settings settings;
    LoadNames(settings, dir, false);
    EXPECT_EQ(settings.CharName[2], "まるいさか");
    EXPECT_EQ(settings.CharName[1], "おひさま");

    // The game started in that folder, and one started where there are no character files.
    StartOptions start;
    start.FitToScreen = false;
    GameSession session(dir, 1);
    session.Start(start);
    GameSession builtIn("/nonexistent/", 1);
    builtIn.Start(start);
    EXPECT_EQ(session.settings.CharName[2], "まるいさか");
    const frmTolvek& form = *session.Window();
    const QImage builtinSun = builtIn.Window()->Pictures().imgSun[3].toImage();
    const QRgb interior[8] = {zenbro::White, zenbro::Blue,    zenbro::Yellow, zenbro::Green,
                              zenbro::Red,   zenbro::Magenta, zenbro::Orange, zenbro::Black};
    for (int i = 0; i < 8; ++i) {
        const QImage piece = form.Pictures().imgFish[static_cast<size_t>(i)].toImage();
        ASSERT_EQ(piece.size(), QSize(48, 48)) << i;
        EXPECT_EQ(piece.pixel(20, 20) | 0xff000000, interior[i]) << i;
        EXPECT_EQ(piece.pixel(8, 20) | 0xff000000, i == 7 ? zenbro::White : zenbro::Black) << i;
        EXPECT_EQ(piece.pixel(2, 2) | 0xff000000, zenbro::Cyan) << i;
    }
    const QImage outline = form.Pictures().imgFish[8].toImage();
    EXPECT_EQ(outline.pixel(8, 8) | 0xff000000, zenbro::Black);
    EXPECT_EQ(outline.pixel(20, 20) | 0xff000000, zenbro::White);
    // The other sets keep their built-in pictures.
    EXPECT_EQ(form.Pictures().imgSun[3].toImage(), builtinSun);
}
