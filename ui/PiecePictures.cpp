#include "ui/PiecePictures.h"

#include "engine/CharacterSets.h"

namespace tolvekin {

PictureSet& PictureSets::At(int index) {
    return index == 0 ? imgSun : (index == 1 ? imgFish : imgBear);
}

const PictureSet& PictureSets::At(int index) const {
    return const_cast<PictureSets*>(this)->At(index);
}

const PictureSet* PictureSets::ForName(const std::string& name) const {
    const CharacterSetInfo* info = FindCharacterSet(name);
    return info != nullptr ? &At(info->Index) : nullptr;
}

int PictureIndex(bool mono, int side, int value) {
    if (!mono) {
        return value;
    }
    if (value == 8) {
        return 8;
    }
    return side == 1 ? 7 : 0;
}

} // namespace tolvekin
