// The game itself started from a terminal or a menu entry: the shared options need no display,
// and --data-home makes the player's data folder the game's folder.

#include "tests/support/FileBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the game with no display at all: were a window opened, the program would abort.
Outcome RunGame(const QStringList& args, const QString& dir, const QString& dataHome = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    env.insert("QT_QPA_PLATFORM", "xcb");
    if (!dataHome.isEmpty()) {
        env.insert("XDG_DATA_HOME", dataHome);
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir);
    p.start(TOLVEKIN_BINARY, args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

TEST(GameCommandLine, HelpAndVersionNeedNoDisplay) {
    QTemporaryDir dir;
    const Outcome help = RunGame({"/MODE2", "--help"}, dir.path());
    EXPECT_EQ(help.status, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith("Usage: tolvekin")) << help.out.toStdString();
    EXPECT_TRUE(help.out.contains("/CLRBRD"));
    const Outcome version = RunGame({"--version"}, dir.path());
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, QByteArray("tolvekin " PROJECT_VERSION "\n"));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(GameCommandLine, UnknownOptionsAreRefusedWithStatusTwo) {
    QTemporaryDir dir;
    for (const QStringList& args : {QStringList{"--fullscreen"}, QStringList{"/MODE3", "--bogus"},
                                    QStringList{"--data-home", "--x"}}) {
        const Outcome o = RunGame(args, dir.path(), dir.filePath("share"));
        EXPECT_EQ(o.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_TRUE(o.err.contains("unknown option: --")) << o.err.toStdString();
    }
    // A refused start creates no data folder.
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST(GameCommandLine, DataHomeIsCreatedAndHoldsTheGamesFiles) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("start");
    const QString share = dir.filePath("share");
    // First start: the folder is made, and the current folder stays as it was.
    Outcome o =
        RunGame({"--data-home", "--batch", "1", "--seed", "5"}, dir.filePath("start"), share);
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_TRUE(QFileInfo(share + "/tolvekin").isDir());
    EXPECT_TRUE(QDir(dir.filePath("start")).isEmpty());
    // The settings file and the result log are the data folder's, not the current folder's.
    tolvekin::test::WriteBytes(share + "/tolvekin/TlvPar.txt", "/MAXX6\r\n/MAXY6\r\n");
    QFile log(share + "/tolvekin/AutoResult.txt");
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.close();
    o = RunGame({"--batch", "1", "--data-home"}, dir.filePath("start"), share);
    ASSERT_EQ(o.status, 0) << o.err.toStdString();
    EXPECT_TRUE(o.out.startsWith(QString::fromUtf8("コマ数　たて6　よこ6").toUtf8()))
        << o.out.toStdString();
    EXPECT_GT(log.size(), 0);
    EXPECT_TRUE(QDir(dir.filePath("start")).isEmpty());
}

// Both programs' answers to --help and --version sent where they cannot be written: to a full
// disk and to a standard output that is closed. A status of 0 would tell a script all is well.
TEST(GameCommandLine, HelpAndVersionFailWhenTheirOutputIsLost) {
    QTemporaryDir dir;
    for (const char* program : {TOLVEKIN_BINARY, ZENBRO_BINARY}) {
        for (const char* option : {"--help", "--version"}) {
            for (const char* into : {">/dev/full", ">&-"}) {
                SCOPED_TRACE(std::string(program) + ' ' + option + ' ' + into);
                QProcess p;
                p.setWorkingDirectory(dir.path());
                p.start("/bin/sh", {"-c",
                                    QStringLiteral("exec \"$0\" %1 %2")
                                        .arg(QLatin1String(option), QLatin1String(into)),
                                    QString::fromLocal8Bit(program)});
                ASSERT_TRUE(p.waitForFinished(30000));
                EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
                EXPECT_EQ(p.exitCode(), 1);
                const QByteArray err = p.readAllStandardError();
                EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
                EXPECT_TRUE(err.contains("cannot write the output")) << err.toStdString();
            }
        }
    }
}

// A data folder that cannot be made: one line on the standard error and status 1 without a
// display; with one, the program waits for the player to read the reason in its message dialog
// instead of ending without a word.
TEST(GameCommandLine, ADataFolderThatCannotBeMadeIsToldOnTheScreenToo) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("share"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    for (const char* program : {TOLVEKIN_BINARY, ZENBRO_BINARY}) {
        SCOPED_TRACE(program);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dir.filePath("share"));
        env.remove("DISPLAY");
        env.remove("WAYLAND_DISPLAY");
        env.remove("QT_QPA_PLATFORM");
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir.path());
        p.start(program, {"--data-home"});
        ASSERT_TRUE(p.waitForFinished(30000));
        EXPECT_EQ(p.exitCode(), 1);
        const QByteArray err = p.readAllStandardError();
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();

        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess shown;
        shown.setProcessEnvironment(env);
        shown.setWorkingDirectory(dir.path());
        shown.setReadChannel(QProcess::StandardError);
        shown.start(program, {"--data-home"});
        ASSERT_TRUE(shown.waitForStarted(30000));
        // The line comes at once; the program then waits for the dialog's OK.
        while (!shown.readAllStandardError().contains("cannot create the data folder") &&
               shown.state() == QProcess::Running) {
            shown.waitForReadyRead(30000);
        }
        EXPECT_FALSE(shown.waitForFinished(1500)) << "ended without showing the reason";
        shown.kill();
        shown.waitForFinished(5000);
    }
}

// Two games started in one folder, as the desktop menu twice would: the second says that the
// folder is in use and ends, and touches none of the first one's files.
TEST(GameCommandLine, ASecondGameInTheSameFolderSaysSoAndEnds) {
    QTemporaryDir dir;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess first;
    first.setProcessEnvironment(env);
    first.setWorkingDirectory(dir.path());
    first.start(TOLVEKIN_BINARY, {});
    ASSERT_TRUE(first.waitForStarted(30000));
    const QString lock = dir.filePath(".tolvekin.lock");
    // The lock is there once the first game has taken the folder.
    for (int i = 0; i < 300 && !QFileInfo::exists(lock) && first.state() == QProcess::Running;
         ++i) {
        first.waitForFinished(100);
    }
    ASSERT_TRUE(QFileInfo::exists(lock));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

    QProcess second;
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(dir.path());
    second.setReadChannel(QProcess::StandardError);
    second.start(TOLVEKIN_BINARY, {});
    QByteArray err;
    while (!err.contains("tolvekin:") && second.waitForReadyRead(30000)) {
        err += second.readAllStandardError();
    }
    EXPECT_TRUE(QString::fromLocal8Bit(err).contains(QStringLiteral("もうひとつのぽるぽら")))
        << err.toStdString();
    // It waits for the player to close its message, then ends; here it is ended.
    second.kill();
    second.waitForFinished(5000);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(5000);
}
