// What the programs do as they start: the temporary files of interrupted saves go, everything
// else in the data folder stays, the player's own copies too; Qt's own texts come in Japanese.

#include "common/start/ProgramStart.h"
#include "common/files/FileErrors.h"
#include "common/files/SavedFiles.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::WriteBytes;

void Age(const QString& path, const QDateTime& when) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite)) << path.toStdString();
    ASSERT_TRUE(file.setFileTime(when, QFileDevice::FileModificationTime));
}

TEST(ProgramStart, OnlyOldTemporaryFilesOfTheProgramsOwnSavesAreRemoved) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QDir dir(temp.path());
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime old = now.addSecs(-120);
    QStringList leftovers;
    for (const char* name : {"TlvPar.txt", "TLVSUN2.BMP", "TLVAHIGH.TXT", "TLVB0907.TXT",
                             "TLVFISH.TXT", "TLV2HIGH.bak", "TLVA0907-20261208-053001-2.TXT"}) {
        leftovers << SaveTemporaryName(QString::fromLatin1(name), "qktBsn");
    }
    // The player's own copies in every shape that looks like a program's file, names that only
    // look alike, a fresh save still under way.
    const QStringList kept{"TlvPar.txt",
                           "TLVAHIGH.TXT.backup",
                           "TlvPar.txt.sample",
                           "TLVSUN.BMP.backup",
                           "TLVSUN.TXT.Backup",
                           "TlvPar.txt.qktBsn",
                           "TLVSUN2.BMP.UbJYOd",
                           ".TlvPar.txt.qktBsn",
                           ".TlvPar.txt.qktBs.tlvsave",
                           ".notes.txt.abcdef.tlvsave",
                           ".TLVSUN9.BMP.abcdef.tlvsave",
                           "TlvPar.txt.qktBsn.tlvsave",
                           SaveTemporaryName("TLVSUN.BMP", "fresh1")};
    for (const QString& name : leftovers + kept) {
        WriteBytes(dir.filePath(name), "x");
        Age(dir.filePath(name), name.contains("fresh1") ? now.addSecs(-10) : old);
    }
    // A folder and a link with a leftover's name are not files of ours either.
    const QString folder = SaveTemporaryName("TLVBEAR.BMP", "fold3r");
    const QString link = SaveTemporaryName("TLVSUN.TXT", "l1nk00");
    ASSERT_TRUE(dir.mkdir(folder));
    ASSERT_TRUE(QFile::link(dir.filePath("TlvPar.txt.sample"), dir.filePath(link)));

    EXPECT_EQ(RemoveSaveLeftovers(temp.path(), now), leftovers.size());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
    }
    for (const QString& name : kept + QStringList{folder, link}) {
        EXPECT_TRUE(QFileInfo(dir.filePath(name)).exists() ||
                    QFileInfo(dir.filePath(name)).isSymLink())
            << name.toStdString();
    }
}

TEST(ProgramStart, QtsOwnErrorTextsComeInJapanese) {
    ASSERT_NE(QCoreApplication::instance(), nullptr);
    if (!LoadQtJapanese(*QCoreApplication::instance())) {
        GTEST_SKIP() << "qtbase_ja is not installed";
    }
    QTemporaryDir temp;
    // A folder in the file's place: Qt's own words for it.
    QFile file(temp.path());
    EXPECT_FALSE(file.open(QIODevice::WriteOnly));
    const QString error = JapaneseFileError(file.errorString());
    EXPECT_FALSE(error.contains(QRegularExpression("[A-Za-z]"))) << error.toStdString();
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace tolvekin
