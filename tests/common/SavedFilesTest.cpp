// Replacing a file: a full disk, a folder that takes no new files, a save killed half way, and the
// words of a failure.

#include "common/files/SavedFiles.h"
#include "common/files/FileErrors.h"
#include "common/files/TextFiles.h"
#include "tests/common/FullDisk.h"
#include "tests/support/FileBytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvekin {
namespace {

using test::ReadBytes;
using test::SmallDisk;
using test::WriteBytes;

// Latin letters in a message outside the file names it quotes.
bool HasEnglish(QString text, const QStringList& fileNames = {}) {
    for (const QString& name : fileNames) {
        text.remove(name);
    }
    static const QRegularExpression latin(QStringLiteral("[A-Za-z]"));
    return text.contains(latin);
}

TEST(SavedFiles, AFullDiskKeepsTheOldFileAndSaysWhy) {
    SmallDisk disk;
    if (!disk.Mounted()) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    const QString settings = disk.FilePath("TlvPar.txt");
    ASSERT_TRUE(WriteTextLines(settings, {"/FLASHFalse", "[MoveSize]"}));
    const QByteArray before = ReadBytes(settings);
    const QString picture = disk.FilePath("TLVSUN0.BMP");
    ASSERT_TRUE(SaveFileBytes(picture, QByteArray(6000, 'p')));

    // Nearly full: the first part of a larger file would fit, the rest not.
    disk.Fill(8 * 1024);
    QString error;
    EXPECT_FALSE(SaveFileBytes(picture, QByteArray(40000, 'q'), &error));
    EXPECT_EQ(ReadBytes(picture), QByteArray(6000, 'p'));
    EXPECT_TRUE(error.contains(QStringLiteral("空き"))) << error.toStdString();
    EXPECT_FALSE(HasEnglish(error)) << error.toStdString();

    // Full: even a few lines do not fit, and the settings stay as they were.
    disk.Fill();
    QStringList lines;
    for (int i = 0; i < 400; ++i) {
        lines << QStringLiteral("/TITLEぽるぽら%1").arg(i);
    }
    error.clear();
    EXPECT_FALSE(WriteTextLines(settings, lines, &error));
    EXPECT_EQ(ReadBytes(settings), before);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(HasEnglish(error)) << error.toStdString();

    // A line added to a log on the full disk is refused whole.
    const QString log = disk.FilePath("AutoResult.txt");
    ASSERT_TRUE(QFile::rename(disk.FilePath("filler"), log));
    // Room for part of the line in the last page of the log, but not for all of it.
    ASSERT_TRUE(QFile::resize(log, QFileInfo(log).size() - 1000));
    const qint64 logSize = QFileInfo(log).size();
    error.clear();
    EXPECT_FALSE(AppendTextLine(log, QString(3000, u'x'), &error));
    EXPECT_EQ(QFileInfo(log).size(), logSize);
    EXPECT_TRUE(error.contains(QStringLiteral("空き"))) << error.toStdString();
    ASSERT_TRUE(QFile::rename(log, disk.FilePath("filler")));

    // No temporary file is left behind.
    for (const QString& name : disk.Names()) {
        EXPECT_TRUE(name == "TlvPar.txt" || name == "TLVSUN0.BMP" || name == "filler")
            << name.toStdString();
    }
}

// Runs body as an unprivileged user in a child process (root may write into any folder), or
// directly when the test does not run as root. body returns the exit status.
template <typename Body> void AsPlainUser(Body body) {
    if (::geteuid() != 0) {
        EXPECT_EQ(body(), 0);
        return;
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                std::_Exit(9);
            }
            std::_Exit(body());
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(SavedFiles, AFolderThatTakesNoNewFilesRefusesTheSaveAndKeepsTheFileWhole) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString writable = dir.filePath("TlvPar.txt");
    const QString locked = dir.filePath("TLVAHIGH.TXT");
    WriteBytes(writable, "old settings\r\n");
    WriteBytes(locked, "old scores\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(writable).constData(), 0666), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);

    AsPlainUser([&] {
        QString error;
        // Even a file that may be written is not cut open in place: the old one stays.
        if (WriteTextLines(writable, {"/MODE2"}, &error) ||
            ReadBytes(writable) != "old settings\r\n") {
            return 1;
        }
        if (error.isEmpty() || HasEnglish(error)) {
            return 2;
        }
        // A file that may not be written is refused in Japanese and kept.
        error.clear();
        if (WriteTextLines(locked, {"new"}, &error) || ReadBytes(locked) != "old scores\r\n") {
            return 3;
        }
        if (error.isEmpty() || HasEnglish(error, {"TLVAHIGH.TXT"})) {
            return 4;
        }
        // A new file cannot be made in the folder at all.
        if (SaveFileBytes(dir.filePath("TLVSUN.BMP"), "x", &error) ||
            HasEnglish(error, {"TLVSUN.BMP"})) {
            return 5;
        }
        return 0;
    });
    ::chmod(QFile::encodeName(dir.path()).constData(), 0755);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// Sets or clears the immutable flag of a folder; false where the file system or the user may not.
bool SetImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

TEST(SavedFiles, AnImmutableFolderKeepsItsFileAsItWas) {
    // Not in /tmp's tmpfs, which may not keep the flag: beside the test program.
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + "/frozen-XXXXXX");
    ASSERT_TRUE(dir.isValid());
    const QString settings = dir.filePath("TlvPar.txt");
    WriteBytes(settings, "old\r\n");
    if (!SetImmutable(dir.path(), true)) {
        GTEST_SKIP() << "cannot make a folder immutable here";
    }
    // Thawed on every way out, so the folder can be removed.
    struct Thaw {
        QString path;
        ~Thaw() { SetImmutable(path, false); }
    } thaw{dir.path()};
    QString error;
    const bool saved = WriteTextLines(settings, {"/MODE2", "[MoveSize]"}, &error);
    SetImmutable(dir.path(), false);
    EXPECT_FALSE(saved);
    EXPECT_FALSE(HasEnglish(error, {"TlvPar.txt"})) << error.toStdString();
    EXPECT_EQ(ReadBytes(settings), "old\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// A save killed after each of its steps that change the disk (in a child process, by the
// signal nothing can catch) leaves the old file or the new one, each whole, and at most its own
// temporary file, which the next start clears away and which no player's file resembles.
TEST(SavedFiles, ASaveKilledAtAnyStepLeavesTheOldFileOrTheNewOneWhole) {
    const QByteArray before = "/MODE1\r\n/LEVEL1\r\n[MoveSize]\r\n/MAXX8\r\n/MAXY8\r\n";
    const QByteArray after = "/MODE2\r\n";
    for (const SaveStep step : {SaveStep::TemporaryCreated, SaveStep::ContentsWritten,
                                SaveStep::ContentsSynced, SaveStep::Renamed}) {
        SCOPED_TRACE(static_cast<int>(step));
        QTemporaryDir dir;
        const QString path = dir.filePath("TlvPar.txt");
        WriteBytes(path, before);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ObserveSaveSteps([step](SaveStep now) {
                if (now == step) {
                    ::kill(::getpid(), SIGKILL);
                }
            });
            SaveFileBytes(path, after);
            std::_Exit(0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const QByteArray now = ReadBytes(path);
        EXPECT_TRUE(now == (step == SaveStep::Renamed ? after : before)) << now.toStdString();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden)) {
            EXPECT_TRUE(name == "TlvPar.txt" || IsSaveTemporaryName(name)) << name.toStdString();
        }
    }
}

TEST(SavedFiles, FileErrorsAreToldInJapanese) {
    for (int code : {EACCES, EPERM, EROFS, ENOSPC, EISDIR, ENAMETOOLONG, EFBIG}) {
        const QString text = FileErrorText(code);
        EXPECT_FALSE(text.isEmpty());
        EXPECT_FALSE(HasEnglish(text)) << code;
        // What Qt passes on from the C library becomes the same words.
        EXPECT_EQ(JapaneseFileError(QString::fromLocal8Bit(::strerror(code))), text) << code;
    }
    const QString path = QStringLiteral("/data/TlvPar.txt");
    const QString notWritable =
        JapaneseFileError(QStringLiteral("Existing file %1 is not writable").arg(path));
    EXPECT_TRUE(notWritable.contains(path));
    EXPECT_FALSE(HasEnglish(notWritable, {path}));
    EXPECT_FALSE(HasEnglish(JapaneseFileError("Not a regular file")));
    EXPECT_FALSE(HasEnglish(JapaneseFileError("Filename refers to a directory")));

    // "Unknown error" says nothing: the message then tells only what failed.
    EXPECT_EQ(FileErrorMessage(QStringLiteral("スコアファイルを削除できません。"), "Unknown error"),
              QStringLiteral("スコアファイルを削除できません。"));
    EXPECT_EQ(FileErrorMessage(QStringLiteral("スコアファイルを削除できません。"),
                               QStringLiteral("Permission denied")),
              QStringLiteral("スコアファイルを削除できません。\n") + FileErrorText(EACCES));
}

} // namespace
} // namespace tolvekin
