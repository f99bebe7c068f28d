#include "ui/StartupFit.h"

#include "common/text/FullWidth.h"
#include "engine/Rounding.h"

namespace tolvekin {

QStringList FitBoardToScreen(Settings& s, int maxRows, int maxCols) {
    QStringList messages;
    if (s.BoardHeight > maxRows) {
        messages << QString("盤面（たて）サイズが大きすぎるので調整します\n") +
                        ToFullWidth(QString("(%1→%2)").arg(s.BoardHeight).arg(maxRows));
        s.BoardHeight = maxRows;
        if (s.MidY > s.BoardHeight - 1) {
            s.MidY = MiddleOf(s.BoardHeight);
        }
    }
    if (s.BoardWidth > maxCols) {
        messages << QString("盤面（よこ）サイズが大きすぎるので調整します\n") +
                        ToFullWidth(QString("(%1→%2)").arg(s.BoardWidth).arg(maxCols));
        s.BoardWidth = maxCols;
        if (s.MidX > s.BoardWidth - 1) {
            s.MidX = MiddleOf(s.BoardWidth);
        }
    }
    return messages;
}

} // namespace tolvekin
