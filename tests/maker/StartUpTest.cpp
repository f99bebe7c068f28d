// Both programs started as a player would from a terminal without a display: one line that says
// so and status 1, never a crash; --help and --version still answer.

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
