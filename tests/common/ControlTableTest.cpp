// A window's controls made from a table: what each row becomes, where it sits, and that a wrong
// name or type in the window's code stops it at once rather than handing back a null pointer.

#include "common/layout/ControlTable.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <array>

namespace tolvekin {
namespace {

using K = ControlKind;

constexpr std::array<ControlRow, 6> Rows{{
    {.Name = "fraBox", .Kind = K::GroupBox, .Place = QRect(4, 4, 120, 80), .Caption = "枠"},
    {.Name = "chkOne",
     .Kind = K::CheckBox,
     .Place = QRect(8, 20, 90, 17),
     .Caption = "ひとつ",
     .Parent = "fraBox",
     .Tip = "説明"},
    {.Name = "optTwo", .Kind = K::RadioButton, .Place = QRect(8, 44, 90, 13), .Parent = "fraBox"},
    {.Name = "lblTitle",
     .Kind = K::Label,
     .Place = QRect(130, 4, 100, 21),
     .Caption = "題",
     .Face = FontFace::Gothic,
     .Points = 12,
     .Bold = true,
     .Align = Qt::AlignCenter},
    {.Name = "picTile", .Kind = K::Own, .Place = QRect(130, 30, 48, 48)},
    {.Name = "cmdOK", .Kind = K::Button, .Place = QRect(130, 90, 65, 25), .Caption = "決定"},
}};

// The window's own kind: a boxed frame standing in for a picture box.
QWidget* MakeTile(const ControlRow& row, QWidget* parent) {
    if (row.Kind != K::Own) {
        return nullptr;
    }
    auto* tile = new QFrame(parent);
    tile->setFrameStyle(QFrame::Box | QFrame::Plain);
    return tile;
}

TEST(ControlTable, MakesEachRowAsItsKindInItsParentAndPlace) {
    QWidget window;
    window.setFont(QFont(QStringLiteral("Sans Serif"), 7));
    const MadeControls made = MakeControls(Rows, &window, MakeTile);

    auto* box = made.Get<QGroupBox>("fraBox");
    auto* one = made.Get<QCheckBox>("chkOne");
    EXPECT_EQ(box->title(), QStringLiteral("枠"));
    EXPECT_EQ(one->parentWidget(), box);
    EXPECT_EQ(one->geometry(), QRect(8, 20, 90, 17));
    EXPECT_EQ(one->text(), QStringLiteral("ひとつ"));
    EXPECT_EQ(one->toolTip(), QStringLiteral("説明"));
    EXPECT_EQ(one->objectName(), QStringLiteral("chkOne"));
    EXPECT_EQ(made.Get<QRadioButton>("optTwo")->parentWidget(), box);
    EXPECT_TRUE(made.Get<QRadioButton>("optTwo")->text().isEmpty());

    auto* title = made.Get<QLabel>("lblTitle");
    EXPECT_EQ(title->parentWidget(), &window);
    EXPECT_EQ(title->alignment(), Qt::AlignCenter);
    EXPECT_TRUE(title->font().bold());
    EXPECT_DOUBLE_EQ(title->font().pointSizeF(), 12);
    // A row without a face of its own keeps the window's font.
    EXPECT_EQ(made.Get<QPushButton>("cmdOK")->font(), window.font());

    EXPECT_EQ(made.Get<QFrame>("picTile")->frameShape(), QFrame::Box);
    EXPECT_EQ(made.Get<QFrame>("picTile")->geometry(), QRect(130, 30, 48, 48));

    // Made in the order of the table, which is the order of the keyboard focus.
    ASSERT_EQ(made.InOrder().size(), Rows.size());
    for (size_t i = 0; i < Rows.size(); ++i) {
        EXPECT_EQ(made.InOrder()[i].first, Rows[i].Name);
    }
    EXPECT_EQ(one->nextInFocusChain(), made.Get<QRadioButton>("optTwo"));
}

TEST(ControlTableDeathTest, AWrongNameOrTypeOrTableStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QWidget window;
    const MadeControls made = MakeControls(Rows, &window, MakeTile);
    EXPECT_DEATH(made.Get<QPushButton>("cmdCancel"), "cmdCancel");
    EXPECT_DEATH(made.Get<QLabel>("cmdOK"), "cmdOK is not a QLabel");

    constexpr std::array<ControlRow, 2> twice{
        {{.Name = "cmdOK", .Kind = K::Button}, {.Name = "cmdOK", .Kind = K::Button}}};
    EXPECT_DEATH(MakeControls(twice, &window), "twice");
    constexpr std::array<ControlRow, 1> orphan{{{.Name = "chkOne", .Parent = "fraBox"}}};
    EXPECT_DEATH(MakeControls(orphan, &window), "fraBox");
    constexpr std::array<ControlRow, 1> own{{{.Name = "picTile", .Kind = K::Own}}};
    EXPECT_DEATH(MakeControls(own, &window), "picTile");
}

} // namespace
} // namespace tolvekin
