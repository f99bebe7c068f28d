// The command-line conventions both programs share, through their public functions.

#include "common/start/StandardOptions.h"
#include "common/start/ProgramUsage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tolvekin;

namespace {

StandardRequest Parse(const QStringList& args) {
    return ParseStandardOptions(GameCommandLine(), args);
}

// Makes a folder current for one test and goes back afterwards.
struct CurrentFolderGuard {
    QString saved = QDir::currentPath();
    ~CurrentFolderGuard() { QDir::setCurrent(saved); }
};

} // namespace

TEST(StandardOptions, SettingsAndProgramOptionsPassThroughUnchanged) {
    const QStringList args{"/MODE2", "--batch", "3", "--seed=7", "--moves", "/TITLE--x", "-style"};
    const StandardRequest r = Parse(args);
    EXPECT_EQ(r.Action, StandardAction::Run);
    EXPECT_FALSE(r.DataHome);
    EXPECT_EQ(r.Rest, args);
}

TEST(StandardOptions, DataHomeIsTakenOutWhereverItStands) {
    const StandardRequest r = Parse({"/MAXX10", "--data-home", "--batch", "2", "--data-home"});
    EXPECT_EQ(r.Action, StandardAction::Run);
    EXPECT_TRUE(r.DataHome);
    EXPECT_EQ(r.Rest, (QStringList{"/MAXX10", "--batch", "2"}));
    EXPECT_TRUE(Parse({"--data-home"}).Rest.isEmpty());
}

TEST(StandardOptions, FirstOfHelpVersionOrUnknownOptionDecides) {
    EXPECT_EQ(Parse({"/MODE3", "--help", "--bogus"}).Action, StandardAction::Help);
    EXPECT_EQ(Parse({"--version", "--help"}).Action, StandardAction::Version);
    const StandardRequest bogus = Parse({"--bogus", "--help"});
    EXPECT_EQ(bogus.Action, StandardAction::Refuse);
    EXPECT_EQ(bogus.Error, "unknown option: --bogus");
    // A program option is known only by its whole name.
    EXPECT_EQ(Parse({"--batchx"}).Action, StandardAction::Refuse);
    EXPECT_EQ(Parse({"--HELP"}).Action, StandardAction::Refuse);
    // The maker has no options of its own.
    EXPECT_EQ(ParseStandardOptions(MakerCommandLine(), {"--batch", "2"}).Action,
              StandardAction::Refuse);
}

TEST(StandardOptions, HandlerPrintsAndReturnsTheExitStatus) {
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    ASSERT_TRUE(out != nullptr && err != nullptr);
    const auto read = [](std::FILE* f) {
        std::rewind(f);
        QByteArray text(4096, '\0');
        text.resize(static_cast<qsizetype>(std::fread(text.data(), 1, 4096, f)));
        return text;
    };
    QStringList args{"--version"};
    EXPECT_EQ(HandleStandardOptions(MakerCommandLine(), args, out, err), 0);
    EXPECT_EQ(read(out), "zenbro " + ProgramVersion().toUtf8() + "\n");
    args = {"/MODE2", "--nope"};
    EXPECT_EQ(HandleStandardOptions(GameCommandLine(), args, out, err), 2);
    EXPECT_EQ(read(err), "tolvekin: unknown option: --nope (see tolvekin --help)\n");
    args = {"/MODE2"};
    EXPECT_EQ(HandleStandardOptions(GameCommandLine(), args, out, err), GoOn);
    EXPECT_EQ(args, QStringList{"/MODE2"});
    std::fclose(out);
    std::fclose(err);
}

TEST(StandardOptions, GameUsageNamesEverySettingAndOption) {
    const QString usage = GameCommandLine().Usage;
    for (const char* key :
         {"/FLASH", "/CURSOR",  "/BORDER",     "/CROSS",  "/THRU",    "/BACK",   "/TITLE",
          "/CHAR1", "/CHAR2",   "/CHAR3",      "/KOMA1",  "/KOMA2",   "/MODE",   "/LEVEL",
          "/MONO",  "/COLOR",   "/CLRBRD",     "/MAXX",   "/MAXY",    "/MIDX",   "/MIDY",
          "/TOP",   "/LEFT",    "/PAR",        "--batch", "--seed",   "--moves", "--jobs",
          "--game", "--levels", "--data-home", "--help",  "--version"}) {
        EXPECT_TRUE(usage.contains(QString(" ") + key)) << key;
    }
    EXPECT_TRUE(MakerCommandLine().Usage.contains("--data-home"));
}

TEST(DataHome, FollowsXdgDataHomeThenHome) {
    QProcessEnvironment env;
    env.insert("HOME", "/home/player");
    EXPECT_EQ(DataHomeFolder(env), "/home/player/.local/share/tolvekin");
    env.insert("XDG_DATA_HOME", "/data/");
    EXPECT_EQ(DataHomeFolder(env), "/data/tolvekin");
    env.insert("XDG_DATA_HOME", "relative/share"); // not absolute: ignored
    EXPECT_EQ(DataHomeFolder(env), "/home/player/.local/share/tolvekin");
    env.insert("XDG_DATA_HOME", "");
    EXPECT_EQ(DataHomeFolder(env), "/home/player/.local/share/tolvekin");
    env.remove("HOME");
    EXPECT_EQ(DataHomeFolder(env), "");
}

TEST(DataHome, IsCreatedAndEnteredOrRefusedWithTheCurrentFolderKept) {
    CurrentFolderGuard guard;
    QTemporaryDir dir;
    const QString folder = dir.filePath("share/deeper/tolvekin");
    QString error;
    ASSERT_TRUE(EnterDataHome(folder, error)) << error.toStdString();
    EXPECT_EQ(QDir::currentPath(), QDir(folder).canonicalPath());
    // Entering it again, when it exists, is fine too.
    EXPECT_TRUE(EnterDataHome(folder, error));

    QDir::setCurrent(dir.path());
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The reason for the player, in Japanese, names the file in the way.
    QString forPlayer;
    EXPECT_FALSE(EnterDataHome(dir.filePath("file/tolvekin"), error, &forPlayer));
    EXPECT_TRUE(error.contains(dir.filePath("file/tolvekin"))) << error.toStdString();
    EXPECT_EQ(forPlayer,
              QStringLiteral("データフォルダ %1 を作れません。\n%2 がフォルダではなくファイルです")
                  .arg(dir.filePath("file/tolvekin"), dir.filePath("file")));
    EXPECT_FALSE(EnterDataHome(dir.filePath("file"), error, &forPlayer));
    EXPECT_TRUE(forPlayer.contains(QStringLiteral("を作れません"))) << forPlayer.toStdString();
    EXPECT_FALSE(EnterDataHome("", error, &forPlayer));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(forPlayer.contains(QStringLiteral("XDG_DATA_HOME も HOME も")));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
}
