#pragma once
// Every setting once: its key, the field of Settings it fills and how a settings text sets it.
// Reading and writing the settings file, the options dialog's snapshot and the options dialog's
// controls all go through this one list. The built-in values are those of a default Settings
// record (Settings.h), and nowhere else.

#include "settings/Settings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tolvekin {

// What a setting holds, and so which kind of control shows it.
enum class SettingKind {
    Flag,    // true or false
    Number,  // a 32-bit integer
    Color,   // a 32-bit colour &H00BBGGRR, or &H800000nn for a system colour
    Text,    // a string (UTF-8)
    Section, // the "[MoveSize]" line of the settings file: no value at all
};

// How the value a settings text gives for the key changes the setting.
enum class SettingRule {
    Reset,        // the built-in value, then the given value when there is one and it converts
    KeepIfAbsent, // the given value cut to MaxChars characters; no value changes nothing
    OneOf,        // the given value when it is exactly one of Choices, else the built-in value
    BoardSize,    // the running board's size (Live) and the next-start size (Field): the
                  // built-in value unless the value is a board size; only for a real text
    InitialBlock, // the running initial block (Live) and the next-start one (Field): the
                  // board's centre unless the value fits on the board; only for a real text
    Position,     // the absolute value; a bad value changes nothing. Written from the main
                  // window's current position, not from the field
    None,         // the section line
};

// The field of Settings an entry fills, as a function giving a reference to it.
using FlagField = bool& (*)(Settings&);
using NumberField = int32_t& (*)(Settings&);
using TextField = std::string& (*)(Settings&);
using SettingField = std::variant<std::monostate, FlagField, NumberField, TextField>;

struct SettingEntry {
    std::string_view Key; // "/FLASH", ...; the section line's whole text for Section
    SettingKind Kind = SettingKind::Section;
    SettingRule Rule = SettingRule::None;
    SettingField Field{};    // the value the settings file stores
    bool InSnapshot = false; // restored when the options dialog is cancelled
    // OneOf: the accepted values, in the order of the dialog's option buttons.
    std::span<const std::string_view> Choices{};
    int32_t MaxChars = 0;       // KeepIfAbsent: characters kept from a settings text
    int32_t TakeChars = 0;      // Text: characters the options dialog keeps from its text box
    NumberField Live = nullptr; // BoardSize and InitialBlock: the running program's value
    bool Across = false;        // BoardSize, InitialBlock, Position: the horizontal axis

    // The field, for an entry of the matching kind (std::bad_variant_access otherwise).
    bool& FlagOf(Settings& s) const { return std::get<FlagField>(Field)(s); }
    int32_t& NumberOf(Settings& s) const { return std::get<NumberField>(Field)(s); }
    std::string& TextOf(Settings& s) const { return std::get<TextField>(Field)(s); }
    bool FlagOf(const Settings& s) const { return FlagOf(const_cast<Settings&>(s)); }
    int32_t NumberOf(const Settings& s) const { return NumberOf(const_cast<Settings&>(s)); }
    const std::string& TextOf(const Settings& s) const { return TextOf(const_cast<Settings&>(s)); }
};

// The settings in the order of the settings file, which is also the order in which a settings
// text is applied: 24 entries, the section line included.
std::span<const SettingEntry> SettingsList();

// The entry of a key ("/MODE"), nullptr when there is none.
const SettingEntry* FindSetting(std::string_view key);

// Gives the setting the value of a default Settings record (the section line has none).
void ResetSetting(const SettingEntry& entry, Settings& settings);

// Copies the setting's field from one settings record to another.
void CopySetting(const SettingEntry& entry, const Settings& from, Settings& to);

// OneOf entries: the index in Choices of the current value, -1 when it is none of them; and
// the value of a choice (an index outside Choices changes nothing).
int ChoiceIndex(const SettingEntry& entry, const Settings& settings);
void SetChoice(const SettingEntry& entry, Settings& settings, int index);

} // namespace tolvekin
