#include "settings/SizePreview.h"

#include "engine/ComputerPlayer.h"
#include "engine/Rounding.h"
#include "settings/mdlOption.h"

#include <cmath>

namespace tolvekin {
namespace {

// 120 and 240 twips at 15 twips a pixel.
constexpr int Gap = 8;
constexpr int Margin = 16;

} // namespace

PreviewLayout LayoutPreview(int32_t cols, int32_t rows, const PreviewInput& in) {
    PreviewLayout out{{}, in.check, in.close, in.guide0, in.guide1, in.outer};
    const int rowStart = in.heightBox.left() + in.heightBox.width() + Gap;
    int top = in.heightBox.top();
    // Each cell starts one pixel before the end of the previous one, so their borders coincide.
    for (int32_t y = 1; y <= rows; ++y) {
        int left = rowStart;
        for (int32_t x = 1; x <= cols; ++x) {
            left += in.cell.width() - 1;
            out.cells.emplace_back(QPoint(left, top), in.cell);
        }
        top += in.cell.height() - 1;
    }
    if (out.cells.empty()) {
        return out;
    }
    const QRect& last = out.cells.back();
    const int bottom = last.top() + last.height() + Margin;
    if (out.check.top() < bottom) {
        out.check.moveTop(bottom);
        out.close.moveTop(bottom);
        out.guide0.moveTop(bottom);
        out.guide1.moveTop(bottom + out.guide0.height());
    }
    int right = last.left() + last.width();
    if (out.close.left() + out.close.width() >= right) {
        right = out.close.left() + out.close.width();
    } else {
        out.close.moveLeft(right - out.close.width());
    }
    if (bottom + out.close.height() + 2 * Margin > out.outer.height()) {
        out.outer.setHeight(bottom + out.close.height() + 2 * Margin);
    }
    if (out.outer.width() < right + Margin) {
        out.outer.setWidth(right + Margin);
    }
    return out;
}

CellShade InitialBlockShade(int32_t c, int32_t r, int32_t x, int32_t y) {
    if ((c == x && r == y) || (c == x + 1 && r == y + 1)) {
        return CellShade::Side1;
    }
    if ((c == x + 1 && r == y) || (c == x && r == y + 1)) {
        return CellShade::Side2;
    }
    return CellShade::Empty;
}

QString CellTag(int32_t column, int32_t row) {
    return QStringLiteral("%1%2").arg(column, 2, 10, QChar('0')).arg(row, 2, 10, QChar('0'));
}

std::optional<BlockCorner> BlockFromTag(const QString& tag, int32_t cols, int32_t rows) {
    const int32_t x = CheckInitialBlock(tag.left(2), cols);
    const int32_t y = CheckInitialBlock(tag.right(2), rows);
    if (x == 0 || y == 0) {
        return std::nullopt;
    }
    return BlockCorner{x, y};
}

SizeCheck CheckTypedSize(const QString& heightText, const QString& widthText) {
    SizeCheck result;
    QString range;
    const QString tail = QStringLiteral("の数字を入力してください");
    if (CheckBoardSize(heightText, false, &range) == 0) {
        result.refused = SizeCheck::Field::Height;
        result.message = range + tail;
        return result;
    }
    if (CheckBoardSize(widthText, true, &range) == 0) {
        result.refused = SizeCheck::Field::Width;
        result.message = range + tail;
        return result;
    }
    // The typed numbers themselves, not the checked sizes, place the block: "9.4" gives a
    // board of 9 but a block at rint(4.7) = 5.
    const double width = ParseNumber(widthText).value_or(0);
    const double height = ParseNumber(heightText).value_or(0);
    result.cols = RoundEvenInt(width);
    result.rows = RoundEvenInt(height);
    result.midX = RoundEvenInt(width / 2);
    result.midY = RoundEvenInt(height / 2);
    return result;
}

QStringList CellWeightCaptions(int32_t cols, int32_t rows) {
    std::vector<int32_t> weights(static_cast<size_t>(cols) * static_cast<size_t>(rows));
    BuildCellWeights(cols, rows, weights);
    QStringList captions;
    captions.reserve(static_cast<qsizetype>(weights.size()));
    for (int32_t w : weights) {
        captions.append(QString::number(w));
    }
    return captions;
}

} // namespace tolvekin
