// The colour picker: its palette as drawn, the keyboard focus on the colour being edited, the
// preview handed to the main window with each click, and system colours kept as such. Also the
// version window's address, which must be selectable.

#include "settings/Settings.h"
#include "settings/frmColor.h"
#include "settings/frmVersion.h"
#include "tests/support/ModalDriver.h"

#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace tolvekin {
namespace {

QColor Background(const QWidget& w) {
    return w.palette().color(QPalette::Window);
}

// The index of the picker's button that has the keyboard focus, -1 for none.
int FocusedButton(const frmColor& picker) {
    for (size_t i = 0; i < picker.cmdColor.size(); ++i) {
        if (picker.focusWidget() == picker.cmdColor[i]) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

TEST(ColorPicker, ButtonsShowTheirColoursAtTheirPlaces) {
    frmColor picker(QStringLiteral("ぽるぽら"));
    ASSERT_EQ(picker.cmdColor.size(), 49u);
    picker.SetColorType(1, 0xFFFFFF);
    picker.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
    const QImage shot = picker.grab().toImage();
    // Colours are &H00BBGGRR: 0x0000FF is red, 0xFF0000 blue, 0x0080FF orange.
    const struct {
        int index;
        QRect place;
        QColor drawn;
    } cases[] = {
        {0, QRect(28, 40, 21, 21), QColor(255, 255, 255)},
        {17, QRect(28 + 24, 88, 21, 21), QColor(255, 0, 0)},
        {18, QRect(28 + 48, 88, 21, 21), QColor(255, 128, 0)},
        {22, QRect(28 + 144, 88, 21, 21), QColor(0, 0, 255)},
        {42, QRect(28 + 48, 160, 21, 21), QColor(0x80, 0x40, 0x40)},
        {47, QRect(28 + 168, 160, 21, 21), QColor(0x40, 0, 0x40)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        const QPushButton* button = picker.cmdColor[static_cast<size_t>(c.index)];
        EXPECT_EQ(button->geometry(), c.place);
        EXPECT_EQ(QColor(shot.pixel(c.place.center())), c.drawn);
    }
    EXPECT_EQ(picker.cmdColor[48]->geometry(), QRect(28, 188, 189, 21));
    EXPECT_EQ(picker.cmdColor[48]->text(), QStringLiteral("SystemColor （ボタンの表面）"));
    EXPECT_EQ(frmColor::ButtonColor(48), SystemButtonFace);
    EXPECT_EQ(picker.size(), QSize(244, 249));
}

TEST(ColorPicker, TheFocusGoesToTheCurrentColour) {
    const struct {
        int type;
        int32_t colour;
        int focused;
    } cases[] = {
        {1, 0xFFFFFF, 0},                          // the built-in white board
        {2, SystemButtonFace, 48},                 // the built-in background
        {1, 0x404080, 42},                         // further down the palette
        {2, 0x123456, -1},                         // not in the palette
        {2, static_cast<int32_t>(0x80000005), -1}, // another system colour
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.colour);
        frmColor picker(QStringLiteral("ぽるぽら"));
        picker.SetColorType(c.type, c.colour);
        picker.show();
        picker.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&picker));
        if (c.focused >= 0) {
            EXPECT_TRUE(testing::WaitFor([&] { return FocusedButton(picker) == c.focused; }));
        } else {
            EXPECT_TRUE(testing::WaitFor([&] { return picker.focusWidget() == picker.cmdClose; }));
            EXPECT_EQ(FocusedButton(picker), -1);
        }
    }
}

TEST(ColorPicker, EachClickIsPreviewedAndSystemColoursStaySystemColours) {
    frmColor picker(QStringLiteral("ぽるぽら"));
    std::vector<int32_t> previewed;
    picker.Preview = [&](int32_t colour) { previewed.push_back(colour); };
    picker.SetColorType(1, 0xFFFFFF);
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("ぽるぽら　ボードの色選択"));
    ASSERT_TRUE(testing::ExecWith(picker, [&] {
        QTest::mouseClick(picker.cmdColor[17], Qt::LeftButton);
        EXPECT_EQ(Background(picker), QColor(255, 0, 0));
        QTest::mouseClick(picker.cmdColor[48], Qt::LeftButton);
        // The picker stays open for another try until 閉じる.
        EXPECT_TRUE(picker.isVisible());
        QTest::mouseClick(picker.cmdClose, Qt::LeftButton);
    }));
    EXPECT_EQ(previewed, (std::vector<int32_t>{0x0000FF, SystemButtonFace}));
    // The system colour is kept as its settings value, drawn as the face of buttons.
    EXPECT_EQ(picker.Color(), SystemButtonFace);
    EXPECT_EQ(Background(picker), picker.cmdClose->palette().color(QPalette::Button));
    EXPECT_FALSE(picker.isVisible());
}

TEST(VersionWindow, ShowsTheVersionAndASelectableAddress) {
    frmVersion window(nullptr, "https://tolvekin.test/");
    EXPECT_EQ(window.windowTitle(), "Version");
    EXPECT_EQ(window.lblProgramVersion->text(), QStringLiteral("ぽるぽら (Version 1.3e+)"));
    EXPECT_TRUE(window.cmdHowTo->isHidden()); // offered only where it can be shown
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    window.txtHomePage->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(testing::WaitFor([&] { return window.txtHomePage->hasSelectedText(); }));
    EXPECT_EQ(window.txtHomePage->selectedText(), window.txtHomePage->text());
    EXPECT_TRUE(window.txtHomePage->text().startsWith("https://"));
    QTest::keyClicks(window.txtHomePage, "x");
    EXPECT_TRUE(window.txtHomePage->text().startsWith("https://")) << "the address stays as it is";
}

TEST(VersionWindow, WithoutAHomePageNoAddressShows) {
    frmVersion window(nullptr, "");
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_FALSE(window.txtHomePage->isVisible());
    EXPECT_TRUE(window.lblCopy->isVisible());
}

} // namespace
} // namespace tolvekin
