#include "settings/SettingsList.h"

#include "engine/CharacterSets.h"

#include <array>
#include <charconv>
#include <string>
#include <type_traits>

namespace tolvekin {
namespace {

template <auto Member> auto& At(Settings& s) {
    return s.*Member;
}
template <auto Member, size_t Index> auto& AtIndex(Settings& s) {
    return (s.*Member)[Index];
}

// The option buttons of the character sets stand in the order of the set table.
constexpr std::array<std::string_view, 3> CharSets{CharacterSets[0].Name, CharacterSets[1].Name,
                                                   CharacterSets[2].Name};
constexpr std::array<std::string_view, 3> Modes{"1", "2", "3"};
constexpr std::array<std::string_view, 3> Levels{"1", "2", "3"};
constexpr int32_t SettingsTextChars = 6; // title and names given in a settings text
constexpr int32_t TitleChars = 6;        // kept from the options dialog
constexpr int32_t NameChars = 5;

using K = SettingKind;
using R = SettingRule;

SettingEntry Flag(std::string_view key, FlagField field, bool inSnapshot) {
    return {
        .Key = key, .Kind = K::Flag, .Rule = R::Reset, .Field = field, .InSnapshot = inSnapshot};
}

SettingEntry Name(std::string_view key, TextField field, int32_t takeChars) {
    return {.Key = key,
            .Kind = K::Text,
            .Rule = R::KeepIfAbsent,
            .Field = field,
            .InSnapshot = true,
            .MaxChars = SettingsTextChars,
            .TakeChars = takeChars};
}

SettingEntry Board(std::string_view key, R rule, NumberField next, NumberField live, bool across) {
    return {
        .Key = key, .Kind = K::Number, .Rule = rule, .Field = next, .Live = live, .Across = across};
}

SettingEntry Position(std::string_view key, NumberField field, bool across) {
    return {.Key = key, .Kind = K::Number, .Rule = R::Position, .Field = field, .Across = across};
}

const std::array<SettingEntry, 24> List{
    Flag("/FLASH", &At<&Settings::FlashMove>, true),
    Flag("/CURSOR", &At<&Settings::HintCursor>, false),
    Flag("/BORDER", &At<&Settings::ShowBorder>, true),
    Flag("/CROSS", &At<&Settings::ShowCross>, true),
    Flag("/THRU", &At<&Settings::SeeThrough>, true),
    Flag("/BACK", &At<&Settings::BackPicture>, true),
    Name("/TITLE", &At<&Settings::GameTitle>, TitleChars),
    Name("/CHAR1", &AtIndex<&Settings::CharName, 1>, NameChars),
    Name("/CHAR2", &AtIndex<&Settings::CharName, 2>, NameChars),
    Name("/CHAR3", &AtIndex<&Settings::CharName, 3>, NameChars),
    SettingEntry{.Key = "/KOMA1",
                 .Kind = K::Text,
                 .Rule = R::OneOf,
                 .Field = &AtIndex<&Settings::CharSet, 1>,
                 .InSnapshot = true,
                 .Choices = CharSets},
    SettingEntry{.Key = "/KOMA2",
                 .Kind = K::Text,
                 .Rule = R::OneOf,
                 .Field = &AtIndex<&Settings::CharSet, 2>,
                 .InSnapshot = true,
                 .Choices = CharSets},
    SettingEntry{.Key = "/MODE",
                 .Kind = K::Number,
                 .Rule = R::OneOf,
                 .Field = &At<&Settings::GameMode>,
                 .InSnapshot = true,
                 .Choices = Modes},
    SettingEntry{.Key = "/LEVEL",
                 .Kind = K::Number,
                 .Rule = R::OneOf,
                 .Field = &At<&Settings::GameLevel>,
                 .InSnapshot = true,
                 .Choices = Levels},
    Flag("/MONO", &At<&Settings::MonoPieces>, true),
    SettingEntry{.Key = "/COLOR",
                 .Kind = K::Color,
                 .Rule = R::Reset,
                 .Field = &At<&Settings::BackgroundColor>,
                 .InSnapshot = true},
    SettingEntry{.Key = "/CLRBRD",
                 .Kind = K::Color,
                 .Rule = R::Reset,
                 .Field = &At<&Settings::BoardColor>,
                 .InSnapshot = true},
    // The board and the initial block are stored for the next start; reading them also sets
    // the running program's values, the block after the board it must fit on.
    Board("/MAXX", R::BoardSize, &At<&Settings::NextMaxBoardX>, &At<&Settings::BoardWidth>, true),
    Board("/MAXY", R::BoardSize, &At<&Settings::NextMaxBoardY>, &At<&Settings::BoardHeight>, false),
    Board("/MIDX", R::InitialBlock, &At<&Settings::NextMidX>, &At<&Settings::MidX>, true),
    Board("/MIDY", R::InitialBlock, &At<&Settings::NextMidY>, &At<&Settings::MidY>, false),
    SettingEntry{.Key = "[MoveSize]"},
    Position("/TOP", &At<&Settings::WindowTop>, false),
    Position("/LEFT", &At<&Settings::WindowLeft>, true),
};

} // namespace

std::span<const SettingEntry> SettingsList() {
    return List;
}

const SettingEntry* FindSetting(std::string_view key) {
    for (const SettingEntry& e : List) {
        if (e.Key == key) {
            return &e;
        }
    }
    return nullptr;
}

void ResetSetting(const SettingEntry& entry, Settings& s) {
    static const Settings builtin;
    CopySetting(entry, builtin, s);
}

void CopySetting(const SettingEntry& entry, const Settings& from, Settings& to) {
    std::visit(
        [&](const auto& field) {
            if constexpr (!std::is_same_v<std::decay_t<decltype(field)>, std::monostate>) {
                field(to) = field(const_cast<Settings&>(from));
            }
        },
        entry.Field);
}

int ChoiceIndex(const SettingEntry& entry, const Settings& s) {
    std::string current;
    if (std::holds_alternative<NumberField>(entry.Field)) {
        current = std::to_string(entry.NumberOf(s));
    } else if (std::holds_alternative<TextField>(entry.Field)) {
        current = entry.TextOf(s);
    }
    for (size_t i = 0; i < entry.Choices.size(); ++i) {
        if (entry.Choices[i] == current) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void SetChoice(const SettingEntry& entry, Settings& s, int index) {
    if (index < 0 || static_cast<size_t>(index) >= entry.Choices.size()) {
        return;
    }
    const std::string_view choice = entry.Choices[static_cast<size_t>(index)];
    if (std::holds_alternative<NumberField>(entry.Field)) {
        int32_t value = 0;
        std::from_chars(choice.data(), choice.data() + choice.size(), value);
        entry.NumberOf(s) = value;
    } else if (std::holds_alternative<TextField>(entry.Field)) {
        entry.TextOf(s) = std::string(choice);
    }
}

} // namespace tolvekin
