// The conversion of an outline into the character's files, without a window: the pictures are
// read back from disk and compared pixel by pixel; the name file byte by byte.

#include "maker/Conversion.h"
#include "common/files/CharacterFiles.h"
#include "maker/MakerArtwork.h"
#include "tests/common/FullDisk.h"
#include "tests/common/PlantedFiles.h"
#include "tests/common/RleBitmap.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

using namespace zenbro;

namespace {

// Interior colour of piece pictures 0..6.
constexpr QRgb Interior[7] = {White, Blue, Yellow, Green, Red, Magenta, Orange};

struct Folder {
    QTemporaryDir temp;
    QString dir = temp.path() + "/";
    QStringList errors;
    int rows = 0;

    // Converts as the window does: name, outline, then the pieces from the black-and-white
    // preview.
    ConversionReport Convert(const Points& points, const QString& name = "abc",
                             const QString& stem = "TLVSUN") {
        Conversion conversion(
            dir, stem, [this] { ++rows; }, [this](const QString& e) { errors << e; });
        conversion.WriteName(name);
        QImage preview = PreviewFromPoints(points);
        conversion.SaveOutline(preview);
        conversion.MakePictures(preview);
        return conversion.Report();
    }
    QImage Picture(const QString& file) const { return QImage(dir + file, "BMP"); }
    QImage Piece(int digit) const { return Picture(tolvekin::PiecePictureFile("TLVSUN", digit)); }
    QByteArray Bytes(const QString& file) const {
        QFile f(dir + file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

Points Shape(const std::function<bool(int c, int r)>& set) {
    Points points{};
    for (int i = 0; i < GridCells; ++i) {
        points[static_cast<size_t>(i)] = set(CellColumn(i), CellRow(i));
    }
    return points;
}

bool InSquare(int c, int r, int lo, int hi) {
    return c >= lo && c <= hi && r >= lo && r <= hi;
}

// The ring of a square from lo to hi.
bool OnRing(int c, int r, int lo, int hi) {
    return InSquare(c, r, lo, hi) && (c == lo || c == hi || r == lo || r == hi);
}

// Counts the pixels of picture that differ from expect(c, r), and reports the first one.
int Mismatches(const QImage& picture, const std::function<QRgb(int, int)>& expect,
               const char* what) {
    if (picture.size() != QSize(GridSide, GridSide)) {
        ADD_FAILURE() << what << ": picture missing or of the wrong size";
        return -1;
    }
    int wrong = 0;
    for (int r = 0; r < GridSide; ++r) {
        for (int c = 0; c < GridSide; ++c) {
            const QRgb got = picture.pixel(c, r) | 0xff000000;
            if (got != expect(c, r) && wrong++ == 0) {
                ADD_FAILURE() << what << ": pixel (" << c << ", " << r << ") is " << std::hex << got
                              << ", expected " << expect(c, r);
            }
        }
    }
    return wrong;
}

int BmpBitCount(const QByteArray& bytes) {
    return bytes.size() > 29 ? static_cast<unsigned char>(bytes[28]) |
                                   (static_cast<unsigned char>(bytes[29]) << 8)
                             : -1;
}

} // namespace

TEST(Conversion, RingGivesEveryColourInsideOnCyan) {
    Folder f;
    const auto ring = [](int c, int r) { return OnRing(c, r, 10, 37); };
    const ConversionReport report = f.Convert(Shape(ring));
    EXPECT_TRUE(f.errors.isEmpty()) << f.errors.join("|").toStdString();
    EXPECT_EQ(report.written, QStringList({"TLVSUN.TXT", "TLVSUN.BMP", "TLVSUN0.BMP", "TLVSUN1.BMP",
                                           "TLVSUN2.BMP", "TLVSUN3.BMP", "TLVSUN4.BMP",
                                           "TLVSUN5.BMP", "TLVSUN6.BMP", "TLVSUN7.BMP"}));
    EXPECT_TRUE(report.failed.isEmpty());

    EXPECT_EQ(Mismatches(
                  f.Picture("TLVSUN.BMP"), [&](int c, int r) { return ring(c, r) ? Black : White; },
                  "outline"),
              0);
    for (int digit = 0; digit < 7; ++digit) {
        const auto expect = [&](int c, int r) {
            return ring(c, r) ? Black : InSquare(c, r, 10, 37) ? Interior[digit] : Cyan;
        };
        EXPECT_EQ(Mismatches(f.Piece(digit), expect, "piece"), 0) << "digit " << digit;
    }
    const auto black = [&](int c, int r) {
        return ring(c, r) ? White : InSquare(c, r, 10, 37) ? Black : Cyan;
    };
    EXPECT_EQ(Mismatches(f.Piece(7), black, "black piece"), 0);

    // Every picture is a 48 x 48 bitmap of 24 bits a pixel.
    for (const QString& file : report.written.mid(1)) {
        const QByteArray bytes = f.Bytes(file);
        EXPECT_TRUE(bytes.startsWith("BM")) << file.toStdString();
        EXPECT_EQ(BmpBitCount(bytes), 24) << file.toStdString();
    }
    // The preview is repainted after every row: 12 sweeps, then 6 recolourings, then once.
    EXPECT_EQ(f.rows, 12 * 48 + 6 * 48 + 1);
}

// Pictures 0..6 show the shape black on cyan, picture 7 white on cyan: no interior at all.
void ExpectNoInterior(const Folder& f, const std::function<bool(int, int)>& shape) {
    for (int digit = 0; digit < 8; ++digit) {
        const QRgb line = digit == 7 ? White : Black;
        const auto expect = [&](int c, int r) { return shape(c, r) ? line : Cyan; };
        EXPECT_EQ(Mismatches(f.Piece(digit), expect, "piece"), 0) << "digit " << digit;
    }
}

TEST(Conversion, FilledShapeDiffersOnlyInTheBlackPiece) {
    Folder f;
    const auto filled = [](int c, int r) { return InSquare(c, r, 5, 30); };
    f.Convert(Shape(filled));
    ExpectNoInterior(f, filled);
}

TEST(Conversion, GapInTheOutlineLetsTheOutsideIn) {
    Folder f;
    const auto open = [](int c, int r) { return OnRing(c, r, 8, 40) && !(c == 24 && r == 8); };
    f.Convert(Shape(open));
    ExpectNoInterior(f, open);
}

TEST(Conversion, CornerCellsAreSeededCyanButStayInTheOutline) {
    Folder f;
    const auto corners = [](int c, int r) {
        return (c == 0 && r == 0) || (c == 47 && r == 47) || (c == 1 && r == 0) ||
               OnRing(c, r, 20, 27);
    };
    f.Convert(Shape(corners));
    const QImage outline = f.Picture("TLVSUN.BMP");
    EXPECT_EQ(outline.pixel(0, 0) | 0xff000000, Black);
    EXPECT_EQ(outline.pixel(47, 47) | 0xff000000, Black);
    for (int digit = 0; digit < 8; ++digit) {
        const QImage piece = f.Piece(digit);
        EXPECT_EQ(piece.pixel(0, 0) | 0xff000000, Cyan) << digit;
        EXPECT_EQ(piece.pixel(47, 47) | 0xff000000, Cyan) << digit;
        // A set cell next to the seed is still outline: black, or white in the black piece.
        EXPECT_EQ(piece.pixel(1, 0) | 0xff000000, digit == 7 ? White : Black) << digit;
        // The fill went round the set corner cells.
        EXPECT_EQ(piece.pixel(0, 1) | 0xff000000, Cyan) << digit;
        EXPECT_EQ(piece.pixel(46, 47) | 0xff000000, Cyan) << digit;
    }
}

// A channel open to the outside that winds up and down through the whole picture. Each pass of
// four sweeps carries the fill through one downward and one upward stretch, so three passes
// reach the first six stretches; the rest of the channel stays white and is coloured.
TEST(Conversion, LongWindingChannelBeyondTheSweepsIsColoured) {
    Folder f;
    Points channel{};
    channel.fill(true);
    const auto open = [&](int c, int r) { channel[static_cast<size_t>(c + GridSide * r)] = false; };
    for (int c = 0; c < GridSide; ++c) {
        open(c, 0);
    }
    for (int k = 0; k <= 22; ++k) {
        const int col = 2 * k + 1;
        for (int r = k == 0 ? 1 : 2; r <= 45; ++r) {
            open(col, r);
        }
        if (k < 22) {
            open(col + 1, k % 2 == 0 ? 45 : 2);
        }
    }
    f.Convert(channel);
    const QImage white = f.Piece(0);
    const QImage blue = f.Piece(1);
    for (int k = 0; k <= 5; ++k) {
        for (int r = 2; r <= 45; ++r) {
            ASSERT_EQ(white.pixel(2 * k + 1, r) | 0xff000000, Cyan)
                << "stretch " << k << " row " << r;
        }
    }
    // The seventh stretch: its top is reached across the last connector in the third pass's
    // third sweep, and the last sweep takes the fill one pixel further down.
    EXPECT_EQ(white.pixel(13, 2) | 0xff000000, Cyan);
    EXPECT_EQ(white.pixel(13, 3) | 0xff000000, Cyan);
    for (int k = 6; k <= 22; ++k) {
        for (int r = k == 6 ? 4 : 3; r <= 45; ++r) {
            ASSERT_EQ(white.pixel(2 * k + 1, r) | 0xff000000, White)
                << "stretch " << k << " row " << r;
            ASSERT_EQ(blue.pixel(2 * k + 1, r) | 0xff000000, Blue) << "stretch " << k;
        }
    }
}

TEST(NameFile, FiveCharactersInShiftJisWithCrLf) {
    Folder f;
    const QString path = NameFilePath(f.dir, "TLVFISH");
    EXPECT_TRUE(path.endsWith("/TLVFISH.TXT"));

    ASSERT_TRUE(WriteNameFile(path, "さかなさんだよ", nullptr));
    EXPECT_EQ(f.Bytes("TLVFISH.TXT"), QByteArray("\x82\xb3\x82\xa9\x82\xc8\x82\xb3\x82\xf1\r\n"));
    EXPECT_EQ(ReadNameFile(path), "さかなさん");

    ASSERT_TRUE(WriteNameFile(path, "ab", nullptr));
    EXPECT_EQ(f.Bytes("TLVFISH.TXT"), QByteArray("ab\r\n"));
    EXPECT_EQ(ReadNameFile(path), "ab");

    ASSERT_TRUE(WriteNameFile(path, "", nullptr));
    EXPECT_EQ(f.Bytes("TLVFISH.TXT"), QByteArray("\r\n"));
    EXPECT_EQ(ReadNameFile(path), "");

    // Read back: a file without a line end, a longer one, a missing one, a folder.
    QFile raw(path);
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write("abcdefgh");
    raw.close();
    EXPECT_EQ(ReadNameFile(path), "abcde");
    EXPECT_EQ(ReadNameFile(f.dir + "TLVBEAR.TXT"), "");
}

TEST(Conversion, PictureThatCannotBeSavedIsToldAndTheRestIsWritten) {
    Folder f;
    // Folders in the way of the name file and of one picture.
    ASSERT_TRUE(QDir(f.dir).mkdir("TLVSUN.TXT"));
    ASSERT_TRUE(QDir(f.dir).mkdir("TLVSUN3.BMP"));
    const ConversionReport report =
        f.Convert(Shape([](int c, int r) { return OnRing(c, r, 9, 30); }));
    EXPECT_EQ(report.failed, QStringList({"TLVSUN.TXT", "TLVSUN3.BMP"}));
    EXPECT_EQ(report.written.size(), 8);
    // The name file is told at once; the pictures wait for the one closing message.
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_TRUE(f.errors[0].startsWith("名前ファイル出力エラーです。\n"));
    // The pictures after the failure still come out right.
    EXPECT_EQ(f.Piece(4).pixel(20, 20) | 0xff000000, Red);
    EXPECT_EQ(f.Piece(7).pixel(20, 20) | 0xff000000, Black);

    const QString summary = ReportMessage(report);
    EXPECT_EQ(summary.count(u'\n'), 1) << summary.toStdString();
    EXPECT_TRUE(summary.contains("TLVSUN3.BMP"));
    EXPECT_FALSE(summary.contains("TLVSUN.TXT"));
    EXPECT_TRUE(ReportMessage(ConversionReport{{"TLVSUN.BMP"}, {}, {}}).isEmpty());
    EXPECT_TRUE(ReportMessage(ConversionReport{{}, {"TLVSUN.TXT"}, {}}).isEmpty());
}

TEST(Conversion, FilesLinkedElsewhereAreRefusedAndLeftAsTheyWere) {
    Folder f;
    using tolvekin::test::Planted;
    const tolvekin::test::PlantedFile name(f.dir + "TLVSUN.TXT", Planted::LinkToOutside);
    const tolvekin::test::PlantedFile outline(f.dir + "TLVSUN.BMP", Planted::DanglingLink);
    const tolvekin::test::PlantedFile piece(f.dir + "TLVSUN3.BMP", Planted::LinkToOutside);
    ASSERT_TRUE(name.Made() && outline.Made() && piece.Made());
    const ConversionReport report =
        f.Convert(Shape([](int c, int r) { return OnRing(c, r, 9, 30); }));
    EXPECT_EQ(report.failed, QStringList({"TLVSUN.TXT", "TLVSUN.BMP", "TLVSUN3.BMP"}));
    EXPECT_EQ(report.written.size(), 7);
    name.ExpectUntouched();
    outline.ExpectUntouched();
    piece.ExpectUntouched();
    ASSERT_EQ(f.errors.size(), 1);
    EXPECT_TRUE(f.errors[0].contains(QStringLiteral("TLVSUN.TXT はシンボリックリンク")))
        << f.errors[0].toStdString();
    const QString summary = ReportMessage(report);
    EXPECT_TRUE(summary.contains(QStringLiteral("シンボリックリンク"))) << summary.toStdString();
    EXPECT_TRUE(summary.endsWith(QStringLiteral("TLVSUN.BMP、TLVSUN3.BMP")));
}

TEST(Conversion, AFolderWhereNothingCanBeWrittenGivesOneShortList) {
    EXPECT_EQ(
        ShortFileList({"TLVSUN.BMP", "TLVSUN0.BMP", "TLVSUN1.BMP", "TLVSUN2.BMP", "TLVSUN3.BMP",
                       "TLVSUN4.BMP", "TLVSUN5.BMP", "TLVSUN6.BMP", "TLVSUN7.BMP"}),
        "TLVSUN.BMP、TLVSUN0～7.BMP");
    EXPECT_EQ(ShortFileList(
                  {"TLVFISH1.BMP", "TLVFISH3.BMP", "TLVFISH4.BMP", "TLVFISH5.BMP", "TLVFISH7.BMP"}),
              "TLVFISH1・3～5・7.BMP");
    EXPECT_EQ(ShortFileList({"TLVBEAR2.BMP", "TLVBEAR3.BMP"}), "TLVBEAR2・3.BMP");

    // A full disk takes nothing, for root as for anyone.
    tolvekin::test::SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    disk.Fill();
    Folder f;
    f.dir = disk.FilePath("x").chopped(1);
    const ConversionReport report =
        f.Convert(Shape([](int c, int r) { return OnRing(c, r, 9, 30); }));
    EXPECT_EQ(f.errors.size(), 1);
    EXPECT_EQ(report.failed.size(), 10);
    const QString summary = ReportMessage(report);
    EXPECT_EQ(summary.count(u'\n'), 1);
    EXPECT_TRUE(summary.endsWith("TLVSUN.BMP、TLVSUN0～7.BMP")) << summary.toStdString();
}

TEST(OutlinePicture, OddAndBadFilesAreRefusedWithAReason) {
    Folder f;
    QImage preview = BlankPreview();
    QString error;

    // Transparent pixels of a picture with alpha count as white, not as black.
    QImage clear(60, 50, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    ASSERT_TRUE(clear.save(f.dir + "clear.png", "PNG"));
    ASSERT_TRUE(LoadOutlinePicture(f.dir + "clear.png", &preview, &error));
    EXPECT_EQ(preview.size(), QSize(48, 48));
    EXPECT_EQ(preview.pixel(0, 0), White);

    const QImage before = preview;
    QImage huge(1000, 10, QImage::Format_RGB32);
    huge.fill(White);
    ASSERT_TRUE(huge.save(f.dir + "huge.bmp", "BMP"));
    EXPECT_FALSE(LoadOutlinePicture(f.dir + "huge.bmp", &preview, &error));
    EXPECT_TRUE(error.contains("1000")) << error.toStdString();

    QFile junk(f.dir + "junk.BMP");
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("BM not really a picture");
    junk.close();
    error.clear();
    EXPECT_FALSE(LoadOutlinePicture(f.dir + "junk.BMP", &preview, &error));
    EXPECT_TRUE(error.contains("junk.BMP"));

    // Run-length codes that stop half way are no outline of black cells.
    const QByteArray rle = tolvekin::test::Rle8Bitmap();
    QFile whole(f.dir + "TLVSUN.BMP");
    ASSERT_TRUE(whole.open(QIODevice::WriteOnly));
    whole.write(rle);
    whole.close();
    ASSERT_TRUE(LoadOutlinePicture(f.dir + "TLVSUN.BMP", &preview, &error));
    ASSERT_TRUE(whole.resize(rle.size() / 2 + 500));
    error.clear();
    EXPECT_FALSE(LoadOutlinePicture(f.dir + "TLVSUN.BMP", &preview, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("途中で切れています"))) << error.toStdString();

    error.clear();
    EXPECT_FALSE(LoadOutlinePicture(f.dir + "none.BMP", &preview, &error));
    EXPECT_TRUE(error.contains("none.BMP"));
    EXPECT_FALSE(LoadOutlinePicture(f.temp.path(), &preview, &error));
}

TEST(MakerArtwork, IconAtAnySizeFrom16To256) {
    for (int size : {16, 17, 100, 256}) {
        const QImage icon = MakerIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255) << size;
    }
    EXPECT_TRUE(MakerIcon(15).isNull());
    EXPECT_TRUE(MakerIcon(257).isNull());
    EXPECT_EQ(MakerMark().size(), QSize(MarkSize, MarkSize));
}
