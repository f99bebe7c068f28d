#include "ui/MixTable.h"

#include "common/text/Fonts.h"
#include "engine/Rules.h"
#include "ui/Artwork.h"

#include <QPainter>

namespace tolvekin {
namespace {

constexpr int Colours = 8;
constexpr int Cell = 30;    // side of one cell of the table
constexpr int Swatch = 20;  // side of the coloured square in a cell
constexpr int Heading = 44; // width of the row headings, height of the column headings
constexpr int Caption = 18; // height of the caption above the table

} // namespace

MixTable::MixTable(QWidget* parent) : QWidget(parent) {
    setObjectName("MixTable");
    setFont(GothicFont(9));
    setMinimumSize(sizeHint());
}

QSize MixTable::sizeHint() const {
    return {Heading + Colours * Cell + 1, Caption + Heading + Colours * Cell + 1};
}

QColor MixTable::SwatchColour(int color) {
    // The pure body colours of the built-in bear pieces.
    return artwork::BodyColor(artwork::CharacterSet::Bear, color);
}

QString MixTable::ColourName(int color) {
    static const char* names[Colours] = {"白", "青", "黄", "緑", "赤", "紫", "橙", "黒"};
    return color >= 0 && color < Colours ? QString::fromUtf8(names[color]) : QString();
}

QRect MixTable::HeaderRect(int index, bool row) const {
    return row ? QRect(0, Caption + Heading + index * Cell, Heading, Cell)
               : QRect(Heading + index * Cell, Caption, Cell, Heading);
}

QRect MixTable::SwatchRect(int acting, int actedOn) const {
    const QRect cell(Heading + actedOn * Cell, Caption + Heading + acting * Cell, Cell, Cell);
    const int inset = (Cell - Swatch) / 2;
    return cell.adjusted(inset, inset, -inset, -inset);
}

void MixTable::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor edge(96, 96, 96);
    auto swatch = [&](const QRect& r, int color) {
        p.setPen(edge);
        p.setBrush(SwatchColour(color));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    p.setPen(text);
    p.drawText(QRect(0, 0, width(), Caption), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("左の色が上の色のコマにはたらくと："));
    for (int i = 0; i < Colours; ++i) {
        // Column headings: swatch over name; row headings: name beside swatch.
        const QRect column = HeaderRect(i, false);
        swatch(QRect(column.center().x() - Swatch / 2 + 1, column.top() + 4, Swatch, Swatch), i);
        p.setPen(text);
        p.drawText(column.adjusted(0, Swatch + 6, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                   ColourName(i));
        const QRect row = HeaderRect(i, true);
        p.drawText(row.adjusted(2, 0, -Swatch - 6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   ColourName(i));
        swatch(QRect(row.right() - Swatch - 3, row.center().y() - Swatch / 2 + 1, Swatch, Swatch),
               i);
    }
    // The grid, then a swatch of the resulting colour in every cell.
    p.setPen(QColor(160, 160, 160));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i <= Colours; ++i) {
        const int x = Heading + i * Cell;
        const int y = Caption + Heading + i * Cell;
        p.drawLine(x, Caption + Heading, x, Caption + Heading + Colours * Cell);
        p.drawLine(Heading, y, Heading + Colours * Cell, y);
    }
    for (int a = 0; a < Colours; ++a) {
        for (int b = 0; b < Colours; ++b) {
            swatch(SwatchRect(a, b), MixColor(a, b));
        }
    }
}

} // namespace tolvekin
