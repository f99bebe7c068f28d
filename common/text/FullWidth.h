#pragma once
// Numbers in the game's messages are shown in full-width characters: "(30→22)" gives
// （３０→２２）. Only ASCII digits and parentheses change; everything else stays as it is.

#include <QString>

namespace tolvekin {

inline QString ToFullWidth(const QString& text) {
    QString wide;
    wide.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= u'0' && u <= u'9') || u == u'(' || u == u')') {
            wide += QChar(static_cast<char16_t>(u + 0xFEE0)); // the full-width block's offset
        } else {
            wide += c;
        }
    }
    return wide;
}

} // namespace tolvekin
