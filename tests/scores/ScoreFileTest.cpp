#include "ScoreFile.h"
#include "BusyCursor.h"
#include "ScoreFields.h"
#include "ScoreTables.h"
#include "ScoreTestSupport.h"
#include "TextFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tolvekin;
using namespace tolvekin::test;

namespace {

class ScoreFileTest : public ::testing::Test {
protected:
    QString Path(const QString& name = QStringLiteral("TLVAHIGH.TXT")) const {
        return dir_.filePath(name);
    }
    // Header and whole table, as the score window reads them.
    bool Read(ScoreTable& table, int w = 8, int h = 8, const QString& name = {}) {
        const QString path = name.isEmpty() ? Path() : Path(name);
        const bool header = ReadScoreHeader(table, path);
        return ReadScoreFile(table, path, w, h, header);
    }
    QStringList Lines(const QString& name = {}) const {
        return QString::fromLatin1(ReadBytes(name.isEmpty() ? Path() : Path(name)))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    void TearDown() override {
        // Every way out of the file procedures gives the normal pointer back.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_FALSE(dialogs.BusyDuringMessage);
    }

    QTemporaryDir dir_;
    ScoreDialogs dialogs;
};

QByteArray Sjis(const char* text) {
    return QByteArray(text);
}

} // namespace

TEST(ScoreFileName, ModeLevelAndBoardSize) {
    const QString dir = QStringLiteral("/data/");
    EXPECT_EQ(ScoreFileName(dir, 1, 1, 8, 8), "/data/TLVAHIGH.TXT");
    EXPECT_EQ(ScoreFileName(dir, 1, 2, 8, 8), "/data/TLVBHIGH.TXT");
    EXPECT_EQ(ScoreFileName(dir, 2, 2, 8, 8), "/data/TLV2HIGH.TXT");
    // Computer against computer shows the one-player table of its strength.
    EXPECT_EQ(ScoreFileName(dir, 3, 2, 8, 8), "/data/TLVBHIGH.TXT");
    EXPECT_EQ(ScoreFileName(dir, 1, 1, 12, 10), "/data/TLVA1012.TXT");
    EXPECT_EQ(ScoreFileName(dir, 2, 1, 16, 8), "/data/TLV20816.TXT");
    EXPECT_EQ(ScoreFileName(dir, 3, 1, 38, 26), "/data/TLVA2638.TXT");
    EXPECT_EQ(ScoreFileName(dir, 1, 2, 8, 9), "/data/TLVB0908.TXT");
    EXPECT_EQ(ScoreBackupName("/data/TLVA1012.TXT"), "/data/TLVA1012.bak");
}

TEST_F(ScoreFileTest, LastMoveLineIsPaddedOnEveryBoard) {
    struct Board {
        int w, h;
        QString lastLineTail; // after the last real token
        int moveLines;
    };
    // 60 moves fill ten lines; 77 leave one 000000; 31 leave five.
    for (const Board& board : {Board{8, 8, "", 10}, Board{9, 9, ",000000", 13},
                               Board{5, 7, ",000000,000000,000000,000000,000000", 6}}) {
        SCOPED_TRACE(board.w * 100 + board.h);
        ScoreTable table = MakeScoreTable(board.w, board.h, 1, 7);
        ASSERT_TRUE(WriteScoreFile(table, Path()));
        const QStringList lines = Lines();
        ASSERT_EQ(lines.size(), 3 + board.moveLines);
        const GameRecord& game = table.Games[1];
        const MoveRow& last = game.Moves[static_cast<size_t>(board.w * board.h - 4)];
        const QString token = QStringLiteral("%1%2%3%4")
                                  .arg(last[1])
                                  .arg(last[2])
                                  .arg(last[3], 2, 10, QChar(u'0'))
                                  .arg(last[4], 2, 10, QChar(u'0'));
        EXPECT_TRUE(lines.last().endsWith(u',' + token + board.lastLineTail))
            << lines.last().toStdString();
        for (qsizetype i = 3; i < lines.size(); ++i) {
            EXPECT_TRUE(lines[i].startsWith(QStringLiteral("rec,")));
            EXPECT_EQ(lines[i].count(u','), 6);
        }
    }
}

TEST_F(ScoreFileTest, HeaderRepeatsTheLastEntryAndRecordsAreQuoted) {
    ScoreTable table = MakeScoreTable(8, 8, 3, 1);
    table.Games[2].StartX = 4;
    table.Games[2].StartY = 3;
    ASSERT_TRUE(WriteScoreFile(table, Path()));
    const QByteArray bytes = ReadBytes(Path());
    const QString text = DecodeCp932(bytes);
    const auto& last = table.ScoreText[3];
    ASSERT_TRUE(bytes.contains("\r\n"));
    EXPECT_FALSE(QByteArray(bytes).replace("\r\n", "").contains('\n'));
    ScoreTable header;
    ASSERT_TRUE(ReadScoreHeader(header, Path()));
    EXPECT_EQ(header.ScoreText[0][ScoreColCount], "3");
    EXPECT_EQ(header.ScoreText[0][ScoreColPlace], "end 3");
    for (size_t c = 2; c <= 7; ++c) {
        EXPECT_EQ(header.ScoreText[0][c], last[c]) << c;
    }
    const QStringList lines = Lines();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\"end 3\",\"")));
    // Entry records: seven quoted fields with single commas; the name with a comma is quoted.
    EXPECT_EQ(lines[1].count(u'"'), 14);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\"1\",\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n\"2\",\"たろう, はなこ\",\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nini,0403,0,0,0,0,0\r\n")));

    ScoreTable single = MakeScoreTable(8, 8, 1, 2);
    ASSERT_TRUE(WriteScoreFile(single, Path()));
    ASSERT_TRUE(ReadScoreHeader(header, Path()));
    EXPECT_EQ(header.ScoreText[0][ScoreColCount], "1");
    EXPECT_EQ(header.ScoreText[0][ScoreColName], single.ScoreText[1][ScoreColName]);
}

TEST_F(ScoreFileTest, WrittenTablesReadBackEqual) {
    for (auto [w, h, n] :
         {std::tuple{8, 8, 10}, std::tuple{5, 7, 4}, std::tuple{38, 26, 10}, std::tuple{2, 3, 1}}) {
        SCOPED_TRACE(w * 100 + h);
        ScoreTable written = MakeScoreTable(w, h, n, static_cast<unsigned>(w + h));
        ASSERT_TRUE(WriteScoreFile(written, Path()));
        ScoreTable read;
        ASSERT_TRUE(Read(read, w, h));
        EXPECT_EQ(read.EntryCount(), n);
        EXPECT_EQ(read.ScoreText[0][ScoreColScore], "40000");
        EXPECT_EQ(read.ScoreFilePath, Path());
        ExpectSameEntries(written, read, n);
        for (int e = n + 1; e <= MaxScoreEntries; ++e) {
            EXPECT_TRUE(read.ScoreText[static_cast<size_t>(e)][ScoreColName].isEmpty());
        }
        ExpectReplayable(read);
    }
    // A double quote or a line break cannot stand in a quoted field; they are written so that
    // the record still reads as seven fields.
    ScoreTable odd = MakeScoreTable(8, 8, 2, 3);
    odd.ScoreText[1][ScoreColName] = QStringLiteral("a\"b\r\nc");
    ASSERT_TRUE(WriteScoreFile(odd, Path()));
    ScoreTable read;
    ASSERT_TRUE(Read(read));
    EXPECT_EQ(read.EntryCount(), 2);
    EXPECT_EQ(read.ScoreText[1][ScoreColName], QStringLiteral("a”b  c"));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(ScoreFileTest, HandWrittenShiftJisFileReads) {
    // Shift-JIS names (たろう, ｵﾒﾃﾞﾄｳ..v(^_^), 表 whose second byte is a backslash), CR LF and a
    // lone LF, blanks around unquoted fields, a quoted comma, old four-digit tokens.
    WriteBytes(
        Path(),
        Sjis("\"end 2\",\"\xb5\xd2\xc3\xde\xc4\xb3..v(^_^)\",\"120\",\"d\",\"30\",\"1\",\"4\"\r\n"
             "\"1\",\"\x82\xbd\x82\xeb\x82\xa4, \x95\\\",\"150\",\"2026/01/02 03:04:05\","
             "\"33\",\"2\",\"5\"\r\n"
             " ini , 0403 ,0,0,0,0,0\r\n"
             "rec,1134, 230405 ,2112,000000,000000,000000\n"
             "\r\n"
             "\"2\",\"\xb5\xd2\xc3\xde\xc4\xb3..v(^_^)\",\"120\",\"d\",\"30\",\"1\",\"4\"\r\n"
             "ini,0304,0,0,0,0,0\r\n"));
    ScoreTable table;
    ASSERT_TRUE(Read(table));
    EXPECT_TRUE(dialogs.Messages.isEmpty()) << dialogs.Messages.join("|").toStdString();
    EXPECT_EQ(table.EntryCount(), 2);
    EXPECT_EQ(table.ScoreText[1][ScoreColName], QStringLiteral("たろう, 表"));
    EXPECT_EQ(table.ScoreText[1][ScoreColDate], QStringLiteral("2026/01/02 03:04:05"));
    EXPECT_EQ(table.ScoreText[2][ScoreColName], QStringLiteral("ｵﾒﾃﾞﾄｳ..v(^_^)"));
    EXPECT_EQ(table.Games[1].StartX, 4);
    EXPECT_EQ(table.Games[1].StartY, 3);
    EXPECT_EQ(table.Games[1].Moves[1], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(table.Games[1].Moves[2], (MoveRow{0, 2, 3, 4, 5}));
    EXPECT_EQ(table.Games[1].Moves[3], (MoveRow{0, 2, 1, 1, 2}));
    EXPECT_EQ(table.Games[1].Moves[4], MoveRow{});
    EXPECT_TRUE(table.Games[1].HasGame());
    EXPECT_FALSE(table.Games[2].HasGame());
    EXPECT_EQ(table.Games[2].StartX, 3);
}

TEST_F(ScoreFileTest, RecordsBeforeTheFirstEntryAndAnEleventhEntry) {
    // An older file without header: start and move records before the first entry belong to
    // entry 0; the eleventh entry ends the table, and what follows it is not read.
    QByteArray bytes = "ini,0202,0,0,0,0,0\r\nrec,110101,000000,000000,000000,000000,000000\r\n";
    for (int e = 1; e <= 11; ++e) {
        bytes += QStringLiteral("\"%1\",\"n%1\",\"%2\",\"t\",\"1\",\"0\",\"1\"\r\n")
                     .arg(e)
                     .arg(100 - e)
                     .toLatin1();
        bytes += "ini,0303,0,0,0,0,0\r\nrec,210101,000000,000000,000000,000000,000000\r\n";
    }
    bytes += "rec,zzzz,0,0,0,0,0\r\n"; // after the eleventh entry: never looked at
    WriteBytes(Path(), bytes);
    ScoreTable table;
    EXPECT_FALSE(ReadScoreHeader(table, Path()));
    ASSERT_TRUE(ReadScoreFile(table, Path(), 8, 8, false));
    EXPECT_TRUE(dialogs.Messages.isEmpty());
    EXPECT_EQ(table.EntryCount(), 10);
    EXPECT_EQ(table.ScoreText[10][ScoreColName], "n10");
    EXPECT_EQ(table.Games[0].StartX, 2);
    EXPECT_EQ(table.Games[0].Moves[1], (MoveRow{0, 1, 1, 1, 1}));
    EXPECT_EQ(table.Games[1].Moves[1], (MoveRow{0, 2, 1, 1, 1}));
    EXPECT_EQ(table.Games[10].Moves[1], (MoveRow{0, 2, 1, 1, 1}));

    // Entry 0 is never written.
    ASSERT_TRUE(WriteScoreFile(table, Path(QStringLiteral("TLVBHIGH.TXT"))));
    ScoreTable again;
    ASSERT_TRUE(Read(again, 8, 8, QStringLiteral("TLVBHIGH.TXT")));
    EXPECT_EQ(again.Games[0].StartX, 0);
    ExpectSameEntries(table, again, 10);
}

TEST_F(ScoreFileTest, MissingFileIsAnEmptyTableWithoutAWord) {
    ScoreTable table = MakeScoreTable(8, 8, 3, 4);
    EXPECT_FALSE(ReadScoreHeader(table, Path()));
    EXPECT_TRUE(table.ScoreText[1][ScoreColName].isEmpty());
    EXPECT_TRUE(ReadScoreFile(table, Path(), 8, 8, false));
    EXPECT_EQ(table.ScoreText[0][ScoreColCount], "0");
    EXPECT_EQ(table.ScoreText[0][ScoreColScore], "40000");
    EXPECT_FALSE(table.Games[1].HasGame());
    EXPECT_TRUE(dialogs.Messages.isEmpty());
}

TEST_F(ScoreFileTest, DamagedFilesGiveTheInputErrorAndAUsableTable) {
    const QByteArray entry = "\"1\",\"a\",\"10\",\"t\",\"1\",\"0\",\"1\"\r\nini,0403,0,0,0,0,0\r\n";
    const QByteArray good = entry + "rec,110304,000000,000000,000000,000000,000000\r\n";
    const QByteArray second = "\"2\",\"b\",\"9\",\"t\",\"1\",\"0\",\"1\"\r\n";
    const struct {
        const char* what;
        QByteArray tail;
    } cases[] = {
        {"cut short", "\"2\",\"b\",\"9\""},
        {"letters in a token", second + "rec,11a304,0,0,0,0,0\r\n"},
        {"old token 0", second + "rec,110304,0,000000,000000,000000,000000\r\n"},
        {"five digits", second + "rec,11030,000000,000000,000000,000000,000000\r\n"},
        {"huge number", second + "rec,99999999999999999999,0,0,0,0,0\r\n"},
        {"side 3", second + "rec,310304,000000,000000,000000,000000,000000\r\n"},
        {"colour 8", second + "rec,180304,000000,000000,000000,000000,000000\r\n"},
        {"column 0", second + "rec,110004,000000,000000,000000,000000,000000\r\n"},
        {"column 9", second + "rec,110904,000000,000000,000000,000000,000000\r\n"},
        {"row 9", second + "rec,110309,000000,000000,000000,000000,000000\r\n"},
        {"move 61",
         second + QByteArray("rec,000000,000000,000000,000000,000000,000000\r\n").repeated(10) +
             "rec,110304,000000,000000,000000,000000,000000\r\n"},
        {"more than MoveSlots", second + QByteArray("rec,000000,000000,000000,000000,000000,"
                                                    "000000\r\n")
                                             .repeated(12)},
        {"start off the board", second + "ini,0803,0,0,0,0,0\r\n"},
        {"start with letters", second + "ini,04x3,0,0,0,0,0\r\n"},
        {"score too high", "\"2\",\"b\",\"40000\",\"t\",\"1\",\"0\",\"1\"\r\n"},
        {"score not a number", "\"2\",\"b\",\"1e3\",\"t\",\"1\",\"0\",\"1\"\r\n"},
        {"not Shift-JIS", "\"2\",\"\x82\xff\",\"9\",\"t\",\"1\",\"0\",\"1\"\r\n"},
        {"lead byte at the end", "\"2\",\"b\",\"9\",\"t\",\"1\",\"0\",\"1\x82"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.Messages.clear();
        WriteBytes(Path(), good + c.tail);
        ScoreTable table;
        EXPECT_FALSE(ReadScoreFile(table, Path(), 8, 8, false));
        ASSERT_EQ(dialogs.Messages.size(), 1);
        EXPECT_TRUE(
            dialogs.Messages[0].startsWith(QStringLiteral("スコアファイル入力エラーです。\n")));
        EXPECT_EQ(table.ScoreText[0][ScoreColCount], "0");
        EXPECT_EQ(table.ScoreText[0][ScoreColScore], "40000");
        // The rows read before the error stay.
        EXPECT_EQ(table.ScoreText[1][ScoreColName], "a");
        EXPECT_EQ(table.Games[1].Moves[1], (MoveRow{0, 1, 1, 3, 4}));
        ExpectReplayable(table);
    }
}

TEST_F(ScoreFileTest, OnlyRegularFilesOfABoundedSizeAreRead) {
    // A named pipe would block a reader that opened it.
    ASSERT_EQ(mkfifo(Path().toLocal8Bit().constData(), 0600), 0);
    ScoreTable table;
    EXPECT_FALSE(ReadScoreHeader(table, Path()));
    EXPECT_FALSE(ReadScoreFile(table, Path(), 8, 8, false));
    EXPECT_EQ(dialogs.Messages.size(), 2);
    ASSERT_TRUE(QFile::remove(Path()));

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("TLVAHIGH.TXT")));
    dialogs.Messages.clear();
    EXPECT_FALSE(ReadScoreFile(table, Path(), 8, 8, false));
    EXPECT_EQ(dialogs.Messages.size(), 1);
    ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("TLVAHIGH.TXT")));

    // A valid table followed by megabytes of blank lines: too large to be a score file.
    ASSERT_TRUE(WriteScoreFile(MakeScoreTable(8, 8, 2, 5), Path()));
    WriteBytes(Path(), ReadBytes(Path()) + QByteArray(ScoreFileByteLimit, '\n'));
    dialogs.Messages.clear();
    EXPECT_TRUE(ReadScoreHeader(table, Path())); // the header alone still reads
    EXPECT_FALSE(ReadScoreFile(table, Path(), 8, 8, true));
    EXPECT_EQ(dialogs.Messages.size(), 1);
}

TEST(ScoreFieldReader, CommasLineEndsQuotesAndBlanks) {
    const QString text = QStringLiteral(" a , \"b,c\" x,\r\n\r\n\n\"d\ne\",\u3000f\u3000 \rg,");
    ScoreFieldReader reader(text);
    QStringList fields;
    QList<int> lines;
    while (std::optional<QString> field = reader.Next()) {
        fields.append(*field);
        lines.append(reader.Line());
    }
    // A comma before a line end or the end ends an empty field; blank lines are no fields;
    // text after a closing quote is dropped; only blanks are trimmed, not U+3000.
    EXPECT_EQ(fields,
              (QStringList{"a", "b,c", "", "d\ne", QStringLiteral("\u3000f\u3000"), "g", ""}));
    EXPECT_EQ(lines, (QList<int>{1, 1, 1, 4, 5, 6, 6}));
}
