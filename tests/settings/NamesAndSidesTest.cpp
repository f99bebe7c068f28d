// What start-up makes of the character names and sets: a name given in the maker against the
// settings file, whichever was written last, and two sides that would show one character.

#include "settings/mdlOption.h"
#include "tests/settings/Helpers.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

using test::WriteBytes;

class NamesAndSides : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        dataDir = dir.path() + "/";
    }
    void Start(const QString& line = {}) {
        settings = Settings();
        ReadSettings(settings, dataDir, line.split(u' ', Qt::SkipEmptyParts));
    }
    // The file's modification time, minutes from a fixed moment.
    void Age(const QString& name, int minutes) {
        QFile f(dataDir + name);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(12, 0)).addSecs(60 * minutes),
                                  QFileDevice::FileModificationTime));
    }

    QTemporaryDir dir;
    QString dataDir;
    Settings settings;
};

// "/CHAR3" with くまさん in the settings file; ぽー in the maker's TLVBEAR.TXT.
constexpr const char* SettingsWithBear = "/CHAR3\x82\xad\x82\xdc\x82\xb3\x82\xf1\r\n";
constexpr const char* MakersBear = "\x82\xdb\x81\x5b\r\n";

TEST_F(NamesAndSides, TheNameWrittenLastWins) {
    WriteBytes(dataDir + "TlvPar.txt", SettingsWithBear);
    WriteBytes(dataDir + "TLVBEAR.TXT", MakersBear);
    // The maker after the options were saved: its name shows.
    Age("TlvPar.txt", 0);
    Age("TLVBEAR.TXT", 5);
    Start();
    EXPECT_EQ(settings.CharName[3], "ぽー");
    EXPECT_EQ(settings.CharName[1], "おひさま"); // no name file, the file's or built-in name
    // A name saved in the options after the maker: the settings file's.
    Age("TlvPar.txt", 10);
    Start();
    EXPECT_EQ(settings.CharName[3], "くまさん");
    // Written in the same moment, the settings file keeps its word.
    Age("TLVBEAR.TXT", 10);
    Start();
    EXPECT_EQ(settings.CharName[3], "くまさん");
}

TEST_F(NamesAndSides, TheSettingsFileNamedOnTheCommandLineCountsAndANameTypedThereWins) {
    WriteBytes(dataDir + "par.txt", SettingsWithBear);
    WriteBytes(dataDir + "TLVBEAR.TXT", MakersBear);
    Age("par.txt", 0);
    Age("TLVBEAR.TXT", 5);
    Start("/PARpar.txt");
    EXPECT_EQ(settings.CharName[3], "ぽー");
    Age("par.txt", 10);
    Start("/PARpar.txt");
    EXPECT_EQ(settings.CharName[3], "くまさん");
    // Without a settings file to read, a name on the command line stands.
    Start("/CHAR3KUMA");
    EXPECT_EQ(settings.CharName[3], "KUMA");
}

TEST_F(NamesAndSides, AnEmptyOrUnreadableNameFileLeavesTheSettingsName) {
    WriteBytes(dataDir + "TlvPar.txt", SettingsWithBear);
    WriteBytes(dataDir + "TLVBEAR.TXT", "\r\n");
    Age("TlvPar.txt", 0);
    Age("TLVBEAR.TXT", 5);
    Start();
    EXPECT_EQ(settings.CharName[3], "くまさん");
}

TEST_F(NamesAndSides, OneCharacterForBothSidesGivesSideTwoTheNextOne) {
    Start("/KOMA1BEAR /KOMA2BEAR");
    EXPECT_EQ(settings.CharSet[1], "BEAR");
    EXPECT_EQ(settings.CharSet[2], "FISH");
    WriteBytes(dataDir + "TlvPar.txt", "/KOMA1SUN\r\n/KOMA2SUN\r\n");
    Start();
    EXPECT_EQ(settings.CharSet[1], "SUN");
    EXPECT_EQ(settings.CharSet[2], "BEAR");
    WriteBytes(dataDir + "TlvPar.txt", "/KOMA1FISH\r\n/KOMA2SUN\r\n");
    Start();
    EXPECT_EQ(settings.CharSet[2], "SUN"); // different sets stay as they are
}

} // namespace
} // namespace tolvekin
