// Both programs started as a player would from a terminal without a display: one line that says
// so and status 1, never a crash; --help and --version still answer.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

struct Outcome {
    int status = -1;
    bool crashed = true;
    QString out;
    QString err;
};

Outcome Start(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QTemporaryDir folder;
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(folder.path());
    process.start(program, args);
    Outcome run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not end";
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.status = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QProcessEnvironment WithoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    return env;
}

TEST(StartUp, WithoutADisplayBothProgramsSaySoInOneLine) {
    QProcessEnvironment none = WithoutDisplay();
    QProcessEnvironment silent = WithoutDisplay();
    // A display named but not there.
    silent.insert("DISPLAY", ":93");
    for (const char* program : {ZENBRO_PATH, TOLVEKIN_PATH}) {
        for (const QProcessEnvironment& env : {none, silent}) {
            SCOPED_TRACE(std::string(program) +
                         " DISPLAY=" + env.value("DISPLAY", "(unset)").toStdString());
            const Outcome run = Start(program, {}, env);
            EXPECT_FALSE(run.crashed);
            EXPECT_EQ(run.status, 1);
            EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
            EXPECT_TRUE(run.err.contains(QStringLiteral("ディスプレイを開けません")))
                << run.err.toStdString();
            EXPECT_TRUE(run.out.isEmpty());
        }
        const Outcome version = Start(program, {"--version"}, none);
        EXPECT_EQ(version.status, 0);
        EXPECT_FALSE(version.out.isEmpty());
        const Outcome help = Start(program, {"--help"}, none);
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.contains("Usage"));
    }
}

TEST(StartUp, WaylandWithoutItsRuntimeFolderGivesTheSameOneLine) {
    QProcessEnvironment wayland = WithoutDisplay();
    wayland.insert("QT_QPA_PLATFORM", "wayland");
    wayland.remove("XDG_RUNTIME_DIR");
    for (const char* program : {ZENBRO_PATH, TOLVEKIN_PATH}) {
        SCOPED_TRACE(program);
        const Outcome run = Start(program, {}, wayland);
        EXPECT_FALSE(run.crashed);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err.count(u'\n'), 1) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QStringLiteral("ディスプレイを開けません")));
    }
}

TEST(StartUp, ADisplayThatNeverAnswersEndsTheWaitWithTheSameLine) {
    // A socket where an X server would listen, taking connections and never saying a word.
    QDir().mkpath("/tmp/.X11-unix");
    const QString socketPath = QStringLiteral("/tmp/.X11-unix/X87");
    if (QFileInfo::exists(socketPath)) {
        GTEST_SKIP() << "display :87 is in use";
    }
    const int listener = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray native = QFile::encodeName(socketPath);
    std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 8) != 0) {
        ::close(listener);
        GTEST_SKIP() << "cannot listen on " << socketPath.toStdString();
    }
    QProcessEnvironment silent = WithoutDisplay();
    silent.insert("DISPLAY", ":87");
    // Both at once: each waits for the display on its own.
    QTemporaryDir folder;
    QProcess processes[2];
    const char* programs[2] = {ZENBRO_PATH, TOLVEKIN_PATH};
    for (int i = 0; i < 2; ++i) {
        processes[i].setProcessEnvironment(silent);
        processes[i].setWorkingDirectory(folder.path());
        processes[i].start(programs[i], {});
    }
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(programs[i]);
        const bool ended = processes[i].waitForFinished(45000);
        if (!ended) {
            processes[i].kill();
            processes[i].waitForFinished(5000);
        }
        EXPECT_TRUE(ended);
        EXPECT_EQ(processes[i].exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(processes[i].exitCode(), 1);
        const QString err = QString::fromUtf8(processes[i].readAllStandardError());
        EXPECT_EQ(err.count(u'\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("ディスプレイを開けません")));
    }
    ::close(listener);
    ::unlink(native.constData());
}

} // namespace
