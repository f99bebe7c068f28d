// Settings, title and name files of the wrong kind or size, and control characters in names:
// start-up reads what it can within bounds and never waits (a pipe that was opened is rescued
// by its guard, and the test fails).

#include "settings/mdlOption.h"
#include "tests/common/GuardedFifo.h"
#include "tests/settings/Helpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::GuardedFifo;
using test::WriteBytes;

class BadFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dataDir = dir.path() + "/";
    }
    void Start(const QStringList& args) { ReadSettings(settings, dataDir, args); }

    QTemporaryDir dir;
    QString dataDir;
    Settings settings;
};

TEST_F(BadFiles, PipesAndDevicesAsSettingsTitleAndNameFilesCountAsMissing) {
    GuardedFifo settingsPipe(dataDir + "TlvPar.txt");
    GuardedFifo titlePipe(dataDir + "TLVTITLE.TXT");
    GuardedFifo namePipe(dataDir + "TLVSUN.TXT");
    ASSERT_TRUE(settingsPipe.Made() && titlePipe.Made() && namePipe.Made());
    ASSERT_TRUE(QFile::link("/dev/zero", dataDir + "TLVFISH.TXT"));
    Start({});
    EXPECT_EQ(settings.GameTitle, "ぽるぽら");
    EXPECT_EQ(settings.CharName[1], "おひさま");
    EXPECT_EQ(settings.CharName[2], "おさかな");
    EXPECT_EQ(settings.GameMode, 1);
    // A settings file given by /PAR: a pipe, a device, a link to a device.
    ASSERT_TRUE(QFile::link("/dev/zero", dataDir + "zero.txt"));
    for (const QString& par : {QStringLiteral("/PAR") + dataDir + "TlvPar.txt",
                               QStringLiteral("/PAR/dev/zero"), QStringLiteral("/PARzero.txt")}) {
        Start({"/MODE2", par});
        EXPECT_EQ(settings.GameMode, 2) << par.toStdString();
    }
    EXPECT_FALSE(settingsPipe.Rescued() || titlePipe.Rescued() || namePipe.Rescued());
}

TEST_F(BadFiles, OnlyTheFirstPartOfAHugeSettingsFileIsRead) {
    // Keys near the start count; a key far beyond any real settings file is never reached.
    QByteArray text = "/MODE3\r\n";
    text += QByteArray("/HEIGHT300\r\n").repeated(500000); // 6 MB
    text += "/LEVEL2\r\n";
    WriteBytes(dataDir + "TlvPar.txt", text);
    Start({});
    EXPECT_EQ(settings.GameMode, 3);
    EXPECT_EQ(settings.GameLevel, 1);

    // A huge title file gives its first characters.
    WriteBytes(dataDir + "TLVTITLE.TXT", QByteArray("abcdefgh").repeated(1000000));
    LoadNames(settings, dataDir, false);
    EXPECT_EQ(settings.GameTitle, "abcdef");
}

TEST_F(BadFiles, ControlCharactersAreDroppedFromTitlesAndNames) {
    // NUL, TAB, DEL and other controls inside the first line; CR still ends it.
    WriteBytes(dataDir + "TLVTITLE.TXT", QByteArray("a\tb\0c\x7f"
                                                    "d\x1b\r\nnext",
                                                    14));
    WriteBytes(dataDir + "TLVBEAR.TXT", QByteArray("\x01\x02\x03\x04\x05\x06\x82\xad\x82\xdc\n"));
    LoadNames(settings, dataDir, false);
    EXPECT_EQ(settings.GameTitle, "abcd");
    EXPECT_EQ(settings.CharName[3], "くま"); // the controls take none of the five places

    // From the command line (a word may hold a line break or a tab) and the settings file.
    Start({"/TITLEx\ny\rz", "/CHAR1p\tq", "/CHAR2\x7f"});
    EXPECT_EQ(settings.GameTitle, "XYZ");
    EXPECT_EQ(settings.CharName[1], "PQ");
    EXPECT_EQ(settings.CharName[2], "おさかな"); // nothing left: the name stays
    WriteBytes(dataDir + "TlvPar.txt", QByteArray("/TITLEt\x01u\x02v\r\n/CHAR3k\x7fm\r\n"));
    Start({});
    EXPECT_EQ(settings.GameTitle, "TUV");
    EXPECT_EQ(settings.CharName[3], "KM");
}

} // namespace
} // namespace tolvekin
