// Every header of the shared library compiles and links in a program that has nothing of the
// game: this test program links the library, Qt and GoogleTest only.

#include "BusyCursor.h"
#include "CharacterFiles.h"
#include "DialogSeam.h"
#include "FileErrors.h"
#include "Fonts.h"
#include "MessageDialogs.h"
#include "PictureFiles.h"
#include "ProgramStart.h"
#include "RegularFiles.h"
#include "SavedFiles.h"
#include "TextFiles.h"
#include "Utf8Text.h"
#include "WindowGeometry.h"
#include "frmMessage.h"

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
