#pragma once
// The names of the character files: the character maker writes them and the game reads them at
// start-up. Both programs use these names and nothing else. Names are case-sensitive on Linux
// and are used exactly as written here.

#include <QString>

#include <array>

namespace tolvekin {

// The three characters in the order of the maker's target frame: sun, fish, bear.
inline constexpr int CharacterFileSets = 3;
inline constexpr std::array<const char*, CharacterFileSets> CharacterStems{"TLVSUN", "TLVFISH",
                                                                           "TLVBEAR"};

// Colour values 0..7 have a piece picture each; the outline has none of its own digit.
inline constexpr int PiecePictureCount = 8;

// "TLVSUN.BMP": the outline of a character.
inline QString OutlinePictureFile(const QString& stem) {
    return stem + QStringLiteral(".BMP");
}

// "TLVSUN0.BMP" .. "TLVSUN7.BMP": the piece of colour value `color`.
inline QString PiecePictureFile(const QString& stem, int color) {
    return stem + QString::number(color) + QStringLiteral(".BMP");
}

// "TLVSUN.TXT": the character's name on its first line.
inline QString NameFile(const QString& stem) {
    return stem + QStringLiteral(".TXT");
}

// At most this many characters of a name are read and written.
inline constexpr int CharacterNameChars = 5;

} // namespace tolvekin
