#include "scores/ScoreFile.h"
#include "common/dialogs/BusyCursor.h"
#include "common/files/TextFiles.h"
#include "scores/ScoreFields.h"
#include "tests/scores/ScoreTables.h"
#include "tests/scores/ScoreTestSupport.h"
#include "tests/support/DialogAnswerer.h"

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
    // The table as the score window loads it; the message, if any, in message.
    bool Read(ScoreTable& table, int w = 8, int h = 8, const QString& name = {}) {
        const ScoreFileOutcome read =
            LoadScoreTable(table, name.isEmpty() ? Path() : Path(name), w, h);
        message = read.Message;
        return read.Ok;
    }
    bool Write(const ScoreTable& table, const QString& path) {
        const ScoreFileOutcome written = WriteScoreFile(table, path);
        message = written.Message;
        return written.Ok;
    }
    QStringList Lines(const QString& name = {}) const {
        return QString::fromLatin1(ReadBytes(name.isEmpty() ? Path() : Path(name)))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }
    void TearDown() override {
        // Every way out of the file procedures gives the normal pointer back, and none of
        // them shows anything itself.
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(dialogs.shown.isEmpty());
    }

    QTemporaryDir dir_;
    tolvekin::testing::DialogAnswerer dialogs;
    QString message;
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
        ASSERT_TRUE(Write(table, Path()));
        const QStringList lines = Lines();
        ASSERT_EQ(lines.size(), 3 + board.moveLines);
        const GameRecord& game = table.AtPlace(1).Game;
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
    table.AtPlace(2).Game.StartX = 4;
    table.AtPlace(2).Game.StartY = 3;
    table.AtPlace(3).Pieces = 33;
    ASSERT_TRUE(Write(table, Path()));
    const QByteArray bytes = ReadBytes(Path());
    const QString text = DecodeCp932(bytes);
    const ScoreEntry& last = table.AtPlace(3);
    ASSERT_TRUE(bytes.contains("\r\n"));
    EXPECT_FALSE(QByteArray(bytes).replace("\r\n", "").contains('\n'));
    std::optional<ScoreHeader> header = ReadScoreHeader(Path());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Count, 3);
    EXPECT_EQ(header->LastScore, last.Score);
    const QStringList lines = Lines();
    const QString lastFields = QStringLiteral(R"("%1","%2","%3","33","%4","%5")")
                                   .arg(last.Name)
                                   .arg(last.Score)
                                   .arg(last.Date)
                                   .arg(last.BlackPieces)
                                   .arg(last.Colours);
    EXPECT_EQ(DecodeCp932(ReadBytes(Path())).section(QStringLiteral("\r\n"), 0, 0),
              QStringLiteral(R"("end 3",)") + lastFields);
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n\"3\",") + lastFields + QStringLiteral("\r\n")));
    // Entry records: seven quoted fields with single commas; the name with a comma is quoted.
    EXPECT_EQ(lines[1].count(u'"'), 14);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("\"1\",\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n\"2\",\"たろう, はなこ\",\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\nini,0403,0,0,0,0,0\r\n")));

    ScoreTable single = MakeScoreTable(8, 8, 1, 2);
    ASSERT_TRUE(Write(single, Path()));
    header = ReadScoreHeader(Path());
    ASSERT_TRUE(header);
    EXPECT_EQ(header->Count, 1);
    EXPECT_EQ(header->LastScore, single.AtPlace(1).Score);
}

TEST_F(ScoreFileTest, WrittenTablesReadBackEqual) {
    for (auto [w, h, n] :
         {std::tuple{8, 8, 10}, std::tuple{5, 7, 4}, std::tuple{38, 26, 10}, std::tuple{2, 3, 1}}) {
        SCOPED_TRACE(w * 100 + h);
        ScoreTable written = MakeScoreTable(w, h, n, static_cast<unsigned>(w + h));
        ASSERT_TRUE(Write(written, Path()));
        const QByteArray bytes = ReadBytes(Path());
        ScoreTable read;
        ASSERT_TRUE(Read(read, w, h));
        EXPECT_EQ(read.EntryCount(), n);
        EXPECT_EQ(read.ScoreFilePath, Path());
        ExpectSameEntries(written, read, n);
        ExpectReplayable(read);
        // Read and written again: byte for byte the same file.
        ASSERT_TRUE(Write(read, Path()));
        EXPECT_EQ(ReadBytes(Path()), bytes);
    }
    // A double quote or a line break cannot stand in a quoted field; they are written so that
    // the record still reads as seven fields.
    ScoreTable odd = MakeScoreTable(8, 8, 2, 3);
    odd.AtPlace(1).Name = QStringLiteral("a\"b\r\nc");
    ASSERT_TRUE(Write(odd, Path()));
    ScoreTable read;
    ASSERT_TRUE(Read(read));
    EXPECT_EQ(read.EntryCount(), 2);
    EXPECT_EQ(read.AtPlace(1).Name, QStringLiteral("a”b  c"));
    EXPECT_TRUE(message.isEmpty());
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
    ASSERT_TRUE(Read(table)) << message.toStdString();
    EXPECT_EQ(table.EntryCount(), 2);
    const ScoreEntry& first = table.AtPlace(1);
    EXPECT_EQ(first.Name, QStringLiteral("たろう, 表"));
    EXPECT_EQ(first.Score, 150);
    EXPECT_EQ(first.Date, QStringLiteral("2026/01/02 03:04:05"));
    EXPECT_EQ(first.Pieces, 33);
    EXPECT_EQ(first.BlackPieces, 2);
    EXPECT_EQ(first.Colours, 5);
    EXPECT_EQ(table.AtPlace(2).Name, QStringLiteral("ｵﾒﾃﾞﾄｳ..v(^_^)"));
    EXPECT_EQ(first.Game.StartX, 4);
    EXPECT_EQ(first.Game.StartY, 3);
    EXPECT_EQ(first.Game.Moves[1], (MoveRow{0, 1, 1, 3, 4}));
    EXPECT_EQ(first.Game.Moves[2], (MoveRow{0, 2, 3, 4, 5}));
    EXPECT_EQ(first.Game.Moves[3], (MoveRow{0, 2, 1, 1, 2}));
    EXPECT_EQ(first.Game.Moves[4], MoveRow{});
    EXPECT_TRUE(first.Game.HasGame());
    EXPECT_FALSE(table.AtPlace(2).Game.HasGame());
    EXPECT_EQ(table.AtPlace(2).Game.StartX, 3);
}

TEST_F(ScoreFileTest, RecordsBeforeTheFirstEntryAndAnEleventhEntry) {
    // An older file without header: start and move records before the first entry are read
    // and dropped; the eleventh entry ends the table, and what follows it is not read.
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
    EXPECT_FALSE(ReadScoreHeader(Path()));
    ASSERT_TRUE(Read(table));
    EXPECT_EQ(table.EntryCount(), 10);
    EXPECT_EQ(table.AtPlace(10).Name, "n10");
    EXPECT_EQ(table.AtPlace(1).Game.StartX, 3);
    EXPECT_EQ(table.AtPlace(1).Game.Moves[1], (MoveRow{0, 2, 1, 1, 1}));
    EXPECT_EQ(table.AtPlace(10).Game.Moves[1], (MoveRow{0, 2, 1, 1, 1}));

    ASSERT_TRUE(Write(table, Path(QStringLiteral("TLVBHIGH.TXT"))));
    ScoreTable again;
    ASSERT_TRUE(Read(again, 8, 8, QStringLiteral("TLVBHIGH.TXT")));
    ExpectSameEntries(table, again, 10);
    EXPECT_FALSE(DecodeCp932(ReadBytes(Path(QStringLiteral("TLVBHIGH.TXT"))))
                     .contains(QStringLiteral("ini,0202")));
}

TEST_F(ScoreFileTest, MissingFileIsAnEmptyTableWithoutAWord) {
    ScoreTable table = MakeScoreTable(8, 8, 3, 4);
    table.NewPlace = 2;
    EXPECT_FALSE(ReadScoreHeader(Path()));
    EXPECT_TRUE(Read(table));
    EXPECT_EQ(table.EntryCount(), 0);
    EXPECT_EQ(table.NewPlace, 0);
    EXPECT_TRUE(message.isEmpty());
}

TEST_F(ScoreFileTest, DamagedFilesKeepTheEntriesReadWholeBeforeTheDamage) {
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
        WriteBytes(Path(), good + c.tail);
        ScoreTable table;
        EXPECT_FALSE(Read(table));
        EXPECT_TRUE(
            message.startsWith(QStringLiteral("スコアファイル入力エラーです。\nTLVAHIGH.TXT の ")))
            << message.toStdString();
        EXPECT_TRUE(message.endsWith(QStringLiteral("その前の読めた記録 1 件を使います。")));
        // The first entry was read whole; the damaged second one is not taken.
        ASSERT_EQ(table.EntryCount(), 1);
        EXPECT_EQ(table.AtPlace(1).Name, "a");
        EXPECT_EQ(table.AtPlace(1).Game.Moves[1], (MoveRow{0, 1, 1, 3, 4}));
        ExpectReplayable(table);
    }
}

TEST_F(ScoreFileTest, OnlyRegularFilesOfABoundedSizeAreRead) {
    // A named pipe would block a reader that opened it.
    ASSERT_EQ(mkfifo(Path().toLocal8Bit().constData(), 0600), 0);
    ScoreTable table;
    EXPECT_FALSE(ReadScoreHeader(Path()));
    EXPECT_FALSE(Read(table));
    EXPECT_TRUE(message.startsWith(ScoreInputError));
    ASSERT_TRUE(QFile::remove(Path()));

    // A folder in the place of the table: one message that says so.
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("TLVAHIGH.TXT")));
    EXPECT_FALSE(ReadScoreHeader(Path()));
    EXPECT_FALSE(Read(table));
    EXPECT_EQ(message,
              ScoreInputError +
                  QStringLiteral("\nスコアファイルの名前のフォルダがあります: TLVAHIGH.TXT"));
    // Nor can it be written or cleared; the messages say what failed, and there was no
    // previous file to speak of.
    EXPECT_FALSE(Write(MakeScoreTable(8, 8, 1, 1), Path()));
    EXPECT_TRUE(message.startsWith(ScoreOutputError + u'\n'));
    EXPECT_FALSE(message.contains(QStringLiteral("前のスコアファイル")));
    const ScoreFileOutcome clear = ClearScoreFile(Path());
    EXPECT_FALSE(clear.Ok);
    EXPECT_TRUE(clear.Message.startsWith(QStringLiteral("スコアファイルを消せません。\n")));
    EXPECT_TRUE(QFileInfo(Path()).isDir());
    ASSERT_TRUE(QDir(dir_.path()).rmdir(QStringLiteral("TLVAHIGH.TXT")));

    // A valid table followed by megabytes of blank lines: too large to be a score file.
    ASSERT_TRUE(Write(MakeScoreTable(8, 8, 2, 5), Path()));
    WriteBytes(Path(), ReadBytes(Path()) + QByteArray(ScoreFileByteLimit, '\n'));
    EXPECT_TRUE(ReadScoreHeader(Path())); // the header alone still reads
    EXPECT_FALSE(Read(table));
    EXPECT_TRUE(message.startsWith(ScoreInputError));
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
