// What the programs do as they start: leftovers of interrupted saves go, everything else in the
// data folder stays; Qt's own texts come in Japanese.

#include "common/ProgramStart.h"
#include "common/SavedFiles.h"
#include "tests/common/FileBytes.h"

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

TEST(ProgramStart, OnlyOldLeftoversOfTheProgramsOwnSavesAreRemoved) {
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const QDir dir(temp.path());
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime old = now.addSecs(-120);
    const QStringList leftovers{"TlvPar.txt.qktBsn",   "TLVSUN2.BMP.UbJYOd", "TLVAHIGH.TXT.a1B2c3",
                                "TLVB0907.TXT.zzzzzz", "TLVFISH.TXT.Q9q9Q9", "TLV2HIGH.bak.AbCdEf"};
    // Someone's own files, names that only look alike, a fresh save still under way.
    const QStringList kept{"TlvPar.txt",         "notes.txt.abcdef",   "TlvPar.txt.abc",
                           "TlvPar.txt.abcdefg", "TLVSUN9.BMP.abcdef", "TlvPar.txt.ab-def",
                           "TLVSUN.BMP.fresh1"};
    for (const QString& name : leftovers + kept) {
        WriteBytes(dir.filePath(name), "x");
        Age(dir.filePath(name), name == "TLVSUN.BMP.fresh1" ? now.addSecs(-10) : old);
    }
    // A folder and a link with a leftover's name are not files of ours either.
    ASSERT_TRUE(dir.mkdir("TLVBEAR.BMP.fold3r"));
    ASSERT_TRUE(QFile::link(dir.filePath("notes.txt.abcdef"), dir.filePath("TLVSUN.TXT.l1nk00")));

    EXPECT_EQ(RemoveSaveLeftovers(temp.path(), now), leftovers.size());
    for (const QString& name : leftovers) {
        EXPECT_FALSE(QFileInfo::exists(dir.filePath(name))) << name.toStdString();
    }
    for (const QString& name : kept + QStringList{"TLVBEAR.BMP.fold3r", "TLVSUN.TXT.l1nk00"}) {
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
    QString error;
    // A folder in the file's place: Qt's own words for it.
    EXPECT_FALSE(SaveFileBytes(temp.path(), "x", &error));
    EXPECT_FALSE(error.contains(QRegularExpression("[A-Za-z]"))) << error.toStdString();
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
} // namespace tolvekin
