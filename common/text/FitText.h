#pragma once
// A panel label's text, in the label's own font when it fits and otherwise in a font made
// smaller only as far as needed, so a long name is never cut.

#include <QFontMetrics>
#include <QLabel>

#include "common/text/Fonts.h"

namespace tolvekin {

// The label gets text in font, made smaller in quarter points only as far as needed to fit.
inline void SetFittedText(QLabel* label, const QString& text, const QFont& font) {
    QFont f = font;
    while (QFontMetrics(f).horizontalAdvance(text) > label->width() && f.pointSizeF() > 6) {
        f.setPointSizeF(f.pointSizeF() - 0.25);
    }
    label->setFont(f);
    label->setText(text);
}

} // namespace tolvekin
