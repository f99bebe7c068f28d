#include "settings/SettingsList.h"
#include "settings/mdlOption.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tolvekin {
namespace {

// Gives the entry's field a value no built-in setting has.
void Disturb(const SettingEntry& e, Settings& s) {
    if (std::holds_alternative<FlagField>(e.Field)) {
        e.FlagOf(s) = !e.FlagOf(s);
    } else if (std::holds_alternative<NumberField>(e.Field)) {
        e.NumberOf(s) = 12345;
    } else if (std::holds_alternative<TextField>(e.Field)) {
        e.TextOf(s) = "ZZZ";
    }
}

bool SameField(const SettingEntry& e, const Settings& a, const Settings& b) {
    if (std::holds_alternative<FlagField>(e.Field)) {
        return e.FlagOf(a) == e.FlagOf(b);
    }
    if (std::holds_alternative<NumberField>(e.Field)) {
        return e.NumberOf(a) == e.NumberOf(b);
    }
    if (std::holds_alternative<TextField>(e.Field)) {
        return e.TextOf(a) == e.TextOf(b);
    }
    return true;
}

TEST(SettingsList, EachEntryOwnsOneFieldAndResetsItToTheBuiltinValue) {
    const Settings builtin;
    for (const SettingEntry& e : SettingsList()) {
        SCOPED_TRACE(std::string(e.Key));
        Settings s;
        Disturb(e, s);
        if (e.Kind != SettingKind::Section) {
            EXPECT_FALSE(SameField(e, s, builtin));
        }
        // No other entry sees the change: no two entries share a field.
        for (const SettingEntry& other : SettingsList()) {
            if (&other != &e) {
                EXPECT_TRUE(SameField(other, s, builtin)) << other.Key;
            }
        }
        ResetSetting(e, s);
        EXPECT_TRUE(SameField(e, s, builtin));
    }
}

TEST(SettingsList, SnapshotBringsBackExactlyTheDialogSettings) {
    Settings s;
    SettingsSnapshot snapshot;
    SnapshotSettings(s, snapshot, true);
    for (const SettingEntry& e : SettingsList()) {
        Disturb(e, s);
    }
    SnapshotSettings(s, snapshot, false);
    std::set<std::string> restored;
    for (const SettingEntry& e : SettingsList()) {
        if (e.Kind != SettingKind::Section && SameField(e, s, Settings{})) {
            restored.insert(std::string(e.Key));
        }
    }
    const std::set<std::string> expected{
        "/FLASH", "/BORDER", "/CROSS", "/THRU", "/BACK",  "/TITLE", "/CHAR1", "/CHAR2",
        "/CHAR3", "/KOMA1",  "/KOMA2", "/MODE", "/LEVEL", "/MONO",  "/COLOR", "/CLRBRD"};
    EXPECT_EQ(restored, expected);
}

TEST(SettingsList, ChoicesFollowTheOrderOfTheOptionButtons) {
    Settings s;
    const SettingEntry& left = *FindSetting("/KOMA1");
    const SettingEntry& mode = *FindSetting("/MODE");
    const SettingEntry& level = *FindSetting("/LEVEL");
    EXPECT_EQ(ChoiceIndex(left, s), 0);
    EXPECT_EQ(ChoiceIndex(*FindSetting("/KOMA2"), s), 1);
    SetChoice(left, s, 2);
    EXPECT_EQ(s.CharSet[1], "BEAR");
    SetChoice(left, s, 3); // no such button: no change
    SetChoice(left, s, -1);
    EXPECT_EQ(s.CharSet[1], "BEAR");
    s.CharSet[1] = "MOON";
    EXPECT_EQ(ChoiceIndex(left, s), -1);

    SetChoice(mode, s, 2);
    EXPECT_EQ(s.GameMode, 3);
    EXPECT_EQ(ChoiceIndex(mode, s), 2);
    SetChoice(level, s, 1);
    EXPECT_EQ(s.GameLevel, 2);
    SetChoice(level, s, 2);
    EXPECT_EQ(s.GameLevel, 3);
    SetChoice(level, s, 3); // no such button: no change
    EXPECT_EQ(s.GameLevel, 3);
}

TEST(SettingsList, KeysAreFoundAndTheSectionLineHasNoValue) {
    EXPECT_EQ(SettingsList().size(), 24u);
    EXPECT_EQ(FindSetting("/PAR"), nullptr);
    EXPECT_EQ(FindSetting("/HEIGHT"), nullptr);
    ASSERT_NE(FindSetting("[MoveSize]"), nullptr);
    EXPECT_EQ(FindSetting("[MoveSize]")->Kind, SettingKind::Section);
    EXPECT_EQ(FindSetting("/CHAR2")->TakeChars, 5);
    EXPECT_EQ(FindSetting("/TITLE")->TakeChars, 6);
    Settings s;
    FindSetting("/CLRBRD")->NumberOf(s) = 255;
    EXPECT_EQ(s.BoardColor, 255);
}

} // namespace
} // namespace tolvekin
