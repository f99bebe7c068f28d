// Every header of the shared library compiles and links in a program that has nothing of the
// game: this test program links the library, Qt and GoogleTest only.

#include "common/dialogs/BusyCursor.h"
#include "common/dialogs/DialogSeam.h"
#include "common/dialogs/MessageDialogs.h"
#include "common/dialogs/frmMessage.h"
#include "common/files/CharacterFiles.h"
#include "common/files/FileErrors.h"
#include "common/files/PictureFiles.h"
#include "common/files/RegularFiles.h"
#include "common/files/SavedFiles.h"
#include "common/files/TextFiles.h"
#include "common/layout/WindowGeometry.h"
#include "common/start/ProgramStart.h"
#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace tolvekin {
namespace {

TEST(Standalone, CharacterFileNamesAreTheOnesBothProgramsUse) {
    ASSERT_EQ(CharacterFileSets, 3);
    EXPECT_STREQ(CharacterStems[0], "TLVSUN");
    EXPECT_STREQ(CharacterStems[1], "TLVFISH");
    EXPECT_STREQ(CharacterStems[2], "TLVBEAR");
    EXPECT_EQ(OutlinePictureFile("TLVFISH"), "TLVFISH.BMP");
    EXPECT_EQ(PiecePictureFile("TLVBEAR", 7), "TLVBEAR7.BMP");
    EXPECT_EQ(NameFile("TLVSUN"), "TLVSUN.TXT");
}

TEST(Standalone, EngineStringsConvertAsUtf8BothWays) {
    const std::string name = "くまのこだ";
    EXPECT_EQ(Q(name), QStringLiteral("くまのこだ"));
    EXPECT_EQ(Q(std::string_view(name).substr(0, 6)), QStringLiteral("くま"));
    EXPECT_EQ(Utf8(Q(name)), name);
    EXPECT_EQ(Q(""), QString());
}

TEST(Standalone, BusyPointerIsGivenBackOnEveryWayOut) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        BusyCursor busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        busy.Release();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    } // released once only: the destructor must not pop a pointer it no longer holds
    QGuiApplication::setOverrideCursor(Qt::CrossCursor);
    { BusyCursor busy; }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace
} // namespace tolvekin
