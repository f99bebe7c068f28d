// Every header of the shared library compiles and links in a program that has nothing of the
// game: this test program links the library, Qt and GoogleTest only.

#include "BusyCursor.h"
#include "CharacterFiles.h"
#include "DialogSeam.h"
#include "Fonts.h"
#include "MessageDialogs.h"
#include "PictureFiles.h"
#include "RegularFiles.h"
#include "TextFiles.h"
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
