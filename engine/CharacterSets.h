#pragma once
// The three character sets a side can choose: their names in the settings, the stems of the
// character files, the caption under a side's box, the set a click on the box turns to, and
// where their pictures and names are kept. Everything that names a set reads it from here.

#include <array>
#include <string_view>

namespace tolvekin {

struct CharacterSetInfo {
    std::string_view Name;    // in the settings: "SUN"
    std::string_view Stem;    // of the character files: "TLVSUN"
    std::string_view Variant; // caption under the side's box
    std::string_view Next;    // the set a click on the side's box turns to
    int Index;                // 0..2: picture set, and CharName slot Index + 1
};

// Order of the character files and of the character names: sun, fish, bear.
inline constexpr std::array<CharacterSetInfo, 3> CharacterSets{{
    {"SUN", "TLVSUN", "太陽のぽるぽら", "BEAR", 0},
    {"FISH", "TLVFISH", "海のぽるぽら", "SUN", 1},
    {"BEAR", "TLVBEAR", "山のぽるぽら", "FISH", 2},
}};

// The set of that name, or nullptr for a name outside the three.
constexpr const CharacterSetInfo* FindCharacterSet(std::string_view name) {
    for (const CharacterSetInfo& set : CharacterSets) {
        if (set.Name == name) {
            return &set;
        }
    }
    return nullptr;
}

} // namespace tolvekin
