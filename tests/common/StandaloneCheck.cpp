// Every header of the shared library compiles and links in a program that has nothing of the
// game: this test program links the library, Qt and GoogleTest only.

#include "common/BusyCursor.h"
#include "common/CharacterFiles.h"
#include "common/DialogSeam.h"
#include "common/FileErrors.h"
#include "common/Fonts.h"
#include "common/MessageDialogs.h"
#include "common/PictureFiles.h"
#include "common/ProgramStart.h"
#include "common/RegularFiles.h"
#include "common/SavedFiles.h"
#include "common/TextFiles.h"
#include "common/Utf8Text.h"
#include "common/WindowGeometry.h"
#include "common/frmMessage.h"

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
