#include "StartupFit.h"

#include <cmath>

namespace tolvekin {

QString ToFullWidth(const QString& text) {
    QString wide;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u >= u'0' && u <= u'9') {
            wide += QChar(char16_t(0xFF10 + (u - u'0')));
        } else if (u == u'(') {
            wide += QChar(char16_t(0xFF08));
        } else if (u == u')') {
            wide += QChar(char16_t(0xFF09));
        } else {
            wide += c;
        }
    }
    return wide;
}

QStringList FitBoardToScreen(Settings& s, int maxRows, int maxCols) {
    QStringList messages;
    auto half = [](int n) { return static_cast<int32_t>(std::nearbyint(n / 2.0)); };
    if (s.BoardHeight > maxRows) {
        messages << QString("盤面（たて）サイズが大きすぎるので調整します\n") +
                        ToFullWidth(QString("(%1→%2)").arg(s.BoardHeight).arg(maxRows));
        s.BoardHeight = maxRows;
        if (s.MidY > s.BoardHeight - 1) {
            s.MidY = half(s.BoardHeight);
        }
    }
    if (s.BoardWidth > maxCols) {
        messages << QString("盤面（よこ）サイズが大きすぎるので調整します\n") +
                        ToFullWidth(QString("(%1→%2)").arg(s.BoardWidth).arg(maxCols));
        s.BoardWidth = maxCols;
        if (s.MidX > s.BoardWidth - 1) {
            s.MidX = half(s.BoardWidth);
        }
    }
    return messages;
}

} // namespace tolvekin
