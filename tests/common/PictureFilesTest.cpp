// Picture files are checked by their declared size before they are decoded.

#include "common/files/PictureFiles.h"
#include "tests/common/GuardedFifo.h"
#include "tests/common/RleBitmap.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::WriteBytes;

// A BMP file header that declares width x height at 24 bits but holds no pixels: 72 bytes.
QByteArray HeaderOnlyBmp(qint32 width, qint32 height) {
    QByteArray b(72, '\0');
    auto put32 = [&b](int at, quint32 v) { qToLittleEndian(v, b.data() + at); };
    auto put16 = [&b](int at, quint16 v) { qToLittleEndian(v, b.data() + at); };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 72);  // file size
    put32(10, 54); // pixel data offset
    put32(14, 40); // info header size
    put32(18, static_cast<quint32>(width));
    put32(22, static_cast<quint32>(height));
    put16(26, 1);  // planes
    put16(28, 24); // bits per pixel
    return b;
}

QString SavedBmp(const QTemporaryDir& dir, const QString& name, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::red);
    const QString path = dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

TEST(PictureFiles, PicturesWithinTheBoundLoadLargerOnesAreRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString cell = SavedBmp(dir, "TLVSUN0.BMP", QSize(48, 48));
    const QImage loaded = LoadPictureChecked(cell, MaxCellPictureSize, "BMP");
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.size(), QSize(48, 48));
    EXPECT_EQ(loaded.pixelColor(10, 10), QColor(Qt::red));

    // Four cells on a side is the most a character picture may declare.
    EXPECT_FALSE(
        LoadPictureChecked(SavedBmp(dir, "edge.bmp", QSize(192, 10)), MaxCellPictureSize).isNull());
    const QString wide = SavedBmp(dir, "wide.bmp", QSize(193, 10));
    EXPECT_TRUE(LoadPictureChecked(wide, MaxCellPictureSize).isNull());
    EXPECT_TRUE(
        LoadPictureChecked(SavedBmp(dir, "tall.bmp", QSize(5, 400)), MaxCellPictureSize).isNull());
    // The background's bound is the screen's.
    EXPECT_EQ(LoadPictureChecked(wide, MaxScreenPictureSize).size(), QSize(193, 10));
}

TEST(PictureFiles, TinyFileDeclaringAHugeImageIsRefusedFromItsHeader) {
    QTemporaryDir dir;
    const QString path = dir.filePath("TLVFISH3.BMP");
    WriteBytes(path, HeaderOnlyBmp(5700, 5700));
    EXPECT_EQ(PictureFileSize(path, "BMP"), QSize(5700, 5700));
    EXPECT_TRUE(LoadPictureChecked(path, MaxCellPictureSize, "BMP").isNull());
    WriteBytes(dir.filePath("huge.bmp"), HeaderOnlyBmp(9000, 20));
    EXPECT_TRUE(LoadPictureChecked(dir.filePath("huge.bmp"), MaxScreenPictureSize).isNull());
}

TEST(PictureFiles, ABitmapCutOffBeforeItsLastRowIsRefused) {
    QTemporaryDir dir;
    const QString whole = SavedBmp(dir, "TLVSUN3.BMP", QSize(48, 48));
    const QByteArray bytes = test::ReadBytes(whole);
    ASSERT_GT(bytes.size(), 3000);
    QFile file(whole);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(IsCutOffBmp(file));
    file.close();

    // Cut inside the pixels, and also with the header's file size mended to match the cut: the
    // rows it declares still do not fit.
    const QString cut = dir.filePath("TLVSUN.BMP");
    WriteBytes(cut, bytes.left(3000));
    QByteArray mended = bytes.left(3000);
    qToLittleEndian<quint32>(3000, mended.data() + 2);
    const QString lying = dir.filePath("TLVFORM.BMP");
    WriteBytes(lying, mended);
    for (const QString& path : {cut, lying}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_TRUE(LoadPictureChecked(path, MaxCellPictureSize, "BMP").isNull());
        EXPECT_TRUE(LoadPictureChecked(path, MaxScreenPictureSize).isNull());
    }
    // Only the padding of the last row missing is still missing pixels; one byte more than
    // needed is fine.
    WriteBytes(cut, bytes.chopped(1));
    EXPECT_TRUE(LoadPictureChecked(cut, MaxCellPictureSize, "BMP").isNull());
    WriteBytes(cut, bytes + QByteArray(1, '\0'));
    EXPECT_FALSE(LoadPictureChecked(cut, MaxCellPictureSize, "BMP").isNull());
    // Another format is left to its decoder.
    QImage png(48, 48, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(dir.filePath("p.png"), "PNG"));
    EXPECT_FALSE(LoadPictureChecked(dir.filePath("p.png"), MaxCellPictureSize).isNull());
}

TEST(PictureFiles, ARunLengthBitmapWhoseCodesStopHalfwayIsRefused) {
    QTemporaryDir dir;
    const QByteArray bytes = test::Rle8Bitmap();
    const QString whole = dir.filePath("TLVSUN3.BMP");
    WriteBytes(whole, bytes);
    const QImage picture = LoadPictureChecked(whole, MaxCellPictureSize, "BMP");
    ASSERT_EQ(picture.size(), QSize(48, 48));
    EXPECT_EQ(picture.pixel(10, 47), qRgb(0, 0, 0)); // the first row, at the bottom
    EXPECT_EQ(picture.pixel(10, 0), qRgb(255, 255, 255));

    // Cut inside the codes: in the last row, half way, in the first rows.
    const QString cut = dir.filePath("TLVSUN.BMP");
    for (const qsizetype keep : {bytes.size() - 10, bytes.size() / 2 + 500, qsizetype{1100}}) {
        SCOPED_TRACE(keep);
        WriteBytes(cut, bytes.left(keep));
        EXPECT_TRUE(LoadPictureChecked(cut, MaxCellPictureSize, "BMP").isNull());
        QFile file(cut);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(IsCutOffBmp(file));
    }
}

TEST(PictureFiles, DamagedMissingAndNonRegularFilesGiveNoPicture) {
    QTemporaryDir dir;
    const QString garbage = dir.filePath("TLVFORM.BMP");
    WriteBytes(garbage, QByteArray("BM this is no picture at all"));
    EXPECT_TRUE(LoadPictureChecked(garbage, MaxScreenPictureSize).isNull());
    EXPECT_TRUE(LoadPictureChecked(dir.filePath("none.bmp"), MaxScreenPictureSize).isNull());
    EXPECT_FALSE(PictureFileSize(dir.filePath("none.bmp")).isValid());

    const QString pipe = dir.filePath("TLVBEAR.BMP");
    test::GuardedFifo fifo(pipe);
    ASSERT_TRUE(fifo.Made());
    EXPECT_TRUE(LoadPictureChecked(pipe, MaxCellPictureSize, "BMP").isNull());
    EXPECT_FALSE(PictureFileSize(pipe).isValid());
    EXPECT_FALSE(fifo.Rescued());
}

} // namespace
} // namespace tolvekin
