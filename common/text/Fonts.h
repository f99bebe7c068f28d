#pragma once
// The Japanese Gothic fonts of both programs' windows, with fallbacks where the IPA fonts are
// missing: the fixed-width Gothic of most texts and its proportional form.

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

inline QFont ProportionalGothicFont(double points = 9.75, bool bold = false) {
    QFont f = GothicFont(points, bold);
    QStringList families = f.families();
    families.prepend(QStringLiteral("IPAPGothic"));
    f.setFamilies(families);
    return f;
}

} // namespace tolvekin
