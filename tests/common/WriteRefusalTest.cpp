// Saves write only regular files of the data folder: a link, a pipe, a device or a folder where
// a file is to be replaced or appended to is refused in one Japanese sentence that names the
// file, and stays as it was, together with whatever it points at. Reading through a link is fine.

#include "common/files/SavedFiles.h"
#include "common/files/TextFiles.h"
#include "tests/common/PlantedFiles.h"
#include "tests/support/FileBytes.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace tolvekin {
namespace {

using test::Planted;
using test::PlantedFile;

struct Writer {
    const char* name;
    std::function<bool(const QString& path, QString* error)> write;
};

TEST(WriteRefusal, EveryWriterRefusesWhatIsNoRegularFileAndLeavesItAlone) {
    const std::vector<Writer> writers{
        {"replace", [](const QString& p, QString* e) { return SaveFileBytes(p, "new", e); }},
        {"lines", [](const QString& p, QString* e) { return WriteTextLines(p, {"/MODE2"}, e); }},
        {"append", [](const QString& p, QString* e) { return AppendTextLine(p, "line", e); }},
    };
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    for (const Writer& writer : writers) {
        for (const Planted shape : test::EveryShape()) {
            SCOPED_TRACE(std::string(writer.name) + " over " + test::Describe(shape));
            QTemporaryDir data;
            const QString path = data.filePath("TlvPar.txt");
            const PlantedFile planted(path, shape);
            SKIP_UNLESS_PLANTED(planted, shape);
            QString error;
            EXPECT_FALSE(writer.write(path, &error));
            planted.ExpectUntouched();
            EXPECT_TRUE(error.startsWith(QStringLiteral("TlvPar.txt は"))) << error.toStdString();
            EXPECT_FALSE(QString(error).remove("TlvPar.txt").contains(latin))
                << error.toStdString();
            EXPECT_EQ(error.count(u'\n'), 0);
            // No temporary file or anything else was left in the folder.
            EXPECT_EQ(QDir(data.path())
                          .entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                     QDir::NoDotAndDotDot)
                          .size(),
                      1);
        }
    }
}

TEST(WriteRefusal, ALinkIsStillReadButNeverWrittenThrough) {
    QTemporaryDir data;
    const QString link = data.filePath("TLVSUN.TXT");
    const PlantedFile planted(link, Planted::LinkToOutside);
    ASSERT_TRUE(planted.Made());
    EXPECT_TRUE(FileExists(link));
    EXPECT_EQ(ReadTextLines(link), QStringList{"the player's own file"});
    QString error;
    EXPECT_FALSE(WriteTextLines(link, {"name"}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("シンボリックリンク"))) << error.toStdString();
    planted.ExpectUntouched();
}

TEST(WriteRefusal, AFolderThatCannotBeSearchedIsNotTakenForAnEmptyOne) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "needs root to look as another user";
    }
    QTemporaryDir data;
    const QString path = data.filePath("TlvPar.txt");
    test::WriteBytes(path, "old\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(data.path()).constData(), 0766), 0);
    // As another user the folder is readable but cannot be searched.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                std::_Exit(9);
            }
            QString error;
            if (SaveFileBytes(path, "new", &error) || !error.contains(u"TlvPar.txt") ||
                !error.contains(QStringLiteral("権限"))) {
                std::_Exit(1);
            }
            std::_Exit(AppendTextLine(path, "x", &error) ? 2 : 0);
        },
        ::testing::ExitedWithCode(0), "");
    ::chmod(QFile::encodeName(data.path()).constData(), 0700);
    EXPECT_EQ(test::ReadBytes(path), QByteArray("old\r\n"));
}

} // namespace
} // namespace tolvekin
