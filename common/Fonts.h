#pragma once
// The Japanese Gothic font of the game's windows, with fallbacks where IPAGothic is missing.

#include <QFont>
#include <QStringList>

namespace tolvekin {

inline QFont GothicFont(double points = 9.75, bool bold = false) {
    QFont f(QStringList{"IPAGothic", "IPAexGothic", "Noto Sans CJK JP", "Sans Serif"});
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace tolvekin
