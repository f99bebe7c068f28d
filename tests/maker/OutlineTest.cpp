// The drawing the maker keeps: a picture read into it, and a conversion recolouring its picture
// while its cells keep the outline.

#include "maker/Outline.h"
#include "maker/Conversion.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace zenbro;

namespace {

int SetCount(const Outline& outline) {
    int n = 0;
    for (int i = 0; i < GridCells; ++i) {
        n += outline.IsSet(i) ? 1 : 0;
    }
    return n;
}

QImage Filled(QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(colour);
    return image;
}

} // namespace

TEST(Outline, ReadPictureKeepsThePictureAndSetsOnlyExactlyBlackCells) {
    Outline outline;
    std::vector<int> told;
    outline.changed = [&told](int index) { told.push_back(index); };
    outline.Set(47 + 48 * 47, true);

    // A small picture lies in the top-left corner; the rest of the sheet is white and clear.
    QImage small = Filled({3, 2}, Black, QImage::Format_ARGB32);
    small.setPixel(1, 0, qRgb(0, 0, 1));
    small.setPixel(2, 1, qRgba(0, 0, 0, 0)); // transparent black is white on the sheet
    outline.ReadPicture(small);
    EXPECT_EQ(SetCount(outline), 4);
    EXPECT_FALSE(outline.IsSet(1));
    EXPECT_FALSE(outline.IsSet(47 + 48 * 47));
    EXPECT_EQ(outline.Picture().size(), QSize(48, 48));
    EXPECT_EQ(outline.Picture().pixel(1, 0), qRgb(0, 0, 1));
    EXPECT_EQ(outline.Picture().pixel(47, 47), White);
    EXPECT_EQ(told.back(), Outline::AllCells);

    // A larger picture is cut to the grid; setting a cell paints its pixel pure black or white.
    outline.ReadPicture(Filled({60, 50}, qRgb(200, 200, 200)));
    EXPECT_EQ(SetCount(outline), 0);
    outline.Set(1, true);
    outline.Set(2, false);
    outline.Set(GridCells, true); // off the grid: nothing
    EXPECT_EQ(outline.Picture().pixel(1, 0), Black);
    EXPECT_EQ(outline.Picture().pixel(2, 0), White);
    EXPECT_EQ(outline.Picture().pixel(3, 0), qRgb(200, 200, 200));
    EXPECT_EQ(told.back(), 2);
}

TEST(Outline, ConversionFillsFromTheCornersAndTheCellsBringTheOutlineBack) {
    // A ring drawn as four lines (a skipped cell would let the fill in), and a set corner cell
    // that the fill seeds cyan over.
    Outline outline;
    const int corners[] = {10 + 48 * 10, 30 + 48 * 10, 30 + 48 * 30, 10 + 48 * 30};
    outline.Set(corners[0], true);
    for (int i = 0; i < 4; ++i) {
        outline.SetLine(corners[i], corners[(i + 1) % 4], true);
    }
    outline.Set(0, true);
    EXPECT_EQ(SetCount(outline), 81);
    const Points drawn = outline.Cells();
    const QImage blackAndWhite = outline.Picture();

    QTemporaryDir temp;
    Conversion conversion(temp.path() + "/", "TLVSUN");
    conversion.SaveOutline(outline.Picture());
    conversion.MakePictures(outline.WorkPicture());
    EXPECT_TRUE(conversion.Report().failed.isEmpty());
    const QImage& last = outline.Picture();
    EXPECT_EQ(last.pixel(0, 0), Cyan);
    EXPECT_EQ(last.pixel(20, 20), Black); // the interior of the black piece
    EXPECT_EQ(last.pixel(10, 20), White); // its outline
    EXPECT_EQ(outline.Cells(), drawn);

    outline.SetCells(outline.Cells());
    EXPECT_EQ(outline.Picture(), blackAndWhite);
    outline.Clear();
    EXPECT_EQ(SetCount(outline), 0);
    EXPECT_EQ(outline.Picture(), BlankPreview());
}
