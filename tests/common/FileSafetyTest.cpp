// Files of the wrong kind or size: pipes and devices count as missing and never block, and no
// read goes past its byte limit.

#include "common/files/RegularFiles.h"
#include "common/files/TextFiles.h"
#include "tests/common/GuardedFifo.h"
#include "tests/support/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::GuardedFifo;
using test::ReadBytes;
using test::WriteBytes;

TEST(FileSafety, PipesAndDevicesCountAsMissingAndNeverBlock) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pipe = dir.filePath("TlvPar.txt");
    GuardedFifo fifo(pipe);
    ASSERT_TRUE(fifo.Made());
    const QString zero = dir.filePath("zero.txt");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));

    for (const QString& path : {pipe, zero, QStringLiteral("/dev/null")}) {
        SCOPED_TRACE(path.toStdString());
        EXPECT_FALSE(IsRegularFile(path));
        EXPECT_FALSE(FileExists(path));
        QString error;
        EXPECT_FALSE(ReadTextLines(path, &error).has_value());
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(ReadFileBytes(path, 100).has_value());
        error.clear();
        EXPECT_FALSE(AppendTextLine(path, "line", &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(fifo.Rescued());
    EXPECT_TRUE(QFileInfo(pipe).exists()); // left alone, not replaced
}

TEST(FileSafety, LinkToARegularFileReadsAsThatFileButTakesNoLine) {
    QTemporaryDir dir;
    const QString target = dir.filePath("real.txt");
    WriteBytes(target, "one\r\n");
    const QString link = dir.filePath("link.txt");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_TRUE(FileExists(link));
    EXPECT_EQ(ReadTextLines(link), QStringList{"one"});
    EXPECT_FALSE(AppendTextLine(link, "two"));
    EXPECT_EQ(ReadBytes(target), QByteArray("one\r\n"));
}

TEST(FileSafety, ReadsStopAtTheirLimitAndSayWhetherTheFileWentOn) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.txt");
    const QByteArray line = "/TITLEx\r\n";  // 9 bytes
    WriteBytes(path, line.repeated(30000)); // 270,000 bytes

    bool cut = false;
    std::optional<QByteArray> bytes = ReadFileBytes(path, 1000, nullptr, &cut);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 1000);
    EXPECT_TRUE(cut);
    bytes = ReadFileBytes(path, 270000, nullptr, &cut);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(bytes->size(), 270000);
    EXPECT_FALSE(cut);
    EXPECT_EQ(ReadFileBytes(path, 0, nullptr, &cut), QByteArray());
    EXPECT_TRUE(cut);

    // A small text file is read up to its default limit only; a record file takes more.
    std::optional<QStringList> lines = ReadTextLines(path, nullptr, SmallTextLimit, &cut);
    ASSERT_TRUE(lines.has_value());
    EXPECT_TRUE(cut);
    EXPECT_EQ(lines->size(), (SmallTextLimit + line.size() - 1) / line.size());
    EXPECT_EQ(ReadTextLines(path)->size(), lines->size());
    lines = ReadTextLines(path, nullptr, RecordTextLimit, &cut);
    ASSERT_TRUE(lines.has_value());
    EXPECT_FALSE(cut);
    EXPECT_EQ(lines->size(), 30000);
    EXPECT_EQ(lines->back(), "/TITLEx");
}

} // namespace
} // namespace tolvekin
