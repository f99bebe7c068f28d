#pragma once
// The three picture sets of the pieces and the rule that picks a picture for a side and a
// colour value.

#include "common/files/CharacterFiles.h"

#include <QColor>
#include <QPalette>
#include <QPixmap>

#include <array>
#include <cstdint>
#include <string>

namespace tolvekin {

using PictureSet = std::array<QPixmap, 9>; // 0..7 a piece of that colour value, 8 the outline

struct PictureSets {
    PictureSet imgSun;  // "SUN"
    PictureSet imgFish; // "FISH"
    PictureSet imgBear; // "BEAR"

    // The set of a character set's picture index (CharacterSetInfo::Index, 0..2).
    PictureSet& At(int index);
    const PictureSet& At(int index) const;
    // The set for a character set name, or nullptr for a name outside the three.
    const PictureSet* ForName(const std::string& name) const;
};

// Picture index for a piece of `value` (8: the outline) of `side`: black-and-white pieces show
// 7 for side 1 and 0 for side 2, the outline stays the outline.
int PictureIndex(bool mono, int side, int value);

} // namespace tolvekin
