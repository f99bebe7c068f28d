#include "common/files/TextFiles.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::ReadBytes;
using test::WriteBytes;

TEST(TextFilesCp932, DecodesAndEncodesJapaneseText) {
    const QByteArray bytes("\x82\xdb\x82\xe9\x82\xdb\x82\xe7 A\x81\x60\x82\x51");
    const QString text = QStringLiteral(u"ぽるぽら A～２");
    EXPECT_EQ(DecodeCp932(bytes), text);
    EXPECT_EQ(EncodeCp932(text), bytes);
}

TEST(TextFilesCp932, BadBytesBecomeReplacementCharacters) {
    // 0xFF is no character; 0x81 0x39 is a lead byte with a byte that cannot follow it; a lead
    // byte at the very end has lost its trail byte.
    const QString text = DecodeCp932(QByteArray("A\xff"
                                                "B\x81\x39\x82\xa0\x82"));
    EXPECT_EQ(text, QStringLiteral(u"A\uFFFDB\uFFFD9あ\uFFFD"));
    EXPECT_EQ(DecodeCp932(QByteArray("\x82")), QStringLiteral(u"\uFFFD"));
}

TEST(TextFilesCp932, SingleByteControlsKeepTheirCodes) {
    // As Windows reads them: 0x1A, 0x1C and 0x7F are the characters of the same code, also
    // right after a double-byte character and after a lone lead byte.
    const QByteArray bytes("a\x1a\x82\xa0\x1c\x7f"
                           "b\x82\x7f");
    const QString text = QStringLiteral(u"a\u001Aあ\u001C\u007Fb\uFFFD\u007F");
    EXPECT_EQ(DecodeCp932(bytes), text);
    EXPECT_EQ(EncodeCp932(QStringLiteral(u"a\u001Aあ\u001C\u007Fb")),
              QByteArray("a\x1a\x82\xa0\x1c\x7f"
                         "b"));
}

TEST(TextFilesCp932, CharactersWithoutCodeBecomeQuestionMarks) {
    EXPECT_EQ(EncodeCp932(QStringLiteral(u"aé😀あ")), QByteArray("a??\x82\xa0"));
}

TEST(TextFilesLines, ReadsCrLfLfAndCrLineEnds) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("lines.txt");
    WriteBytes(path, QByteArray("one\r\ntwo\nthree\rfour\r\n\r\nsix"));
    const auto lines = ReadTextLines(path);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (QStringList{"one", "two", "three", "four", "", "six"}));

    WriteBytes(path, QByteArray("only\r\n"));
    EXPECT_EQ(ReadTextLines(path), QStringList{"only"});
    WriteBytes(path, QByteArray());
    EXPECT_EQ(ReadTextLines(path), QStringList{});
}

TEST(TextFilesLines, MissingFileIsNoListWithADescription) {
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(ReadTextLines(dir.filePath("none.txt"), &error).has_value());
    EXPECT_FALSE(error.isEmpty());
}

TEST(TextFilesLines, WritesEveryLineWithCrLfAndAppends) {
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    ASSERT_TRUE(WriteTextLines(path, {QStringLiteral(u"あ,1"), QString(), "b"}));
    EXPECT_EQ(ReadBytes(path), QByteArray("\x82\xa0,1\r\n\r\nb\r\n"));
    ASSERT_TRUE(AppendTextLine(path, QStringLiteral(u"ん")));
    EXPECT_EQ(ReadBytes(path), QByteArray("\x82\xa0,1\r\n\r\nb\r\n\x82\xf1\r\n"));
    ASSERT_TRUE(WriteTextLines(path, {"new"}));
    EXPECT_EQ(ReadBytes(path), QByteArray("new\r\n"));
}

TEST(TextFilesLines, FailedWriteReportsAndKeepsNoPartialFile) {
    QTemporaryDir dir;
    const QString blocker = dir.filePath("plain");
    WriteBytes(blocker, "x");
    QString error;
    EXPECT_FALSE(WriteTextLines(blocker + "/out.txt", {"a"}, &error));
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_FALSE(AppendTextLine(blocker + "/out.txt", "a", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadBytes(blocker), QByteArray("x"));
}

TEST(TextFilesExists, OnlyRealFilesCount) {
    QTemporaryDir dir;
    const QString file = dir.filePath("a.txt");
    WriteBytes(file, "x");
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_FALSE(FileExists("   "));
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(dir.filePath("missing.txt")));
    // Wildcards never name a file, even when a file of that name is there.
    const QString starred = dir.filePath("b*.txt");
    WriteBytes(starred, "x");
    EXPECT_FALSE(FileExists(starred));
    EXPECT_FALSE(FileExists(dir.filePath("a.tx?")));
}

} // namespace
} // namespace tolvekin
