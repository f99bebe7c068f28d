#include "maker/MakerArtwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace zenbro {
namespace {

QImage Blank(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QPen LinePen(const QColor& color, double width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A pencil along the x axis with its tip at -20 and its eraser ending at +19, 8 units thick.
void DrawPencil(QPainter& p, double lineWidth) {
    const QPen outline = LinePen(QColor(30, 24, 16), lineWidth);
    p.setPen(outline);
    // Wooden cone and graphite tip.
    QPainterPath cone;
    cone.moveTo(-11, -4);
    cone.lineTo(-20, 0);
    cone.lineTo(-11, 4);
    cone.closeSubpath();
    p.setBrush(QColor(238, 200, 150));
    p.drawPath(cone);
    QPainterPath lead;
    lead.moveTo(-17, -1.35);
    lead.lineTo(-20, 0);
    lead.lineTo(-17, 1.35);
    lead.closeSubpath();
    p.fillPath(lead, QColor(40, 40, 40));
    // Painted body with one groove.
    p.setBrush(QColor(250, 200, 30));
    p.drawRect(QRectF(-11, -4, 21, 8));
    p.setPen(LinePen(QColor(200, 140, 10), lineWidth * 0.7));
    p.drawLine(QPointF(-10, 0), QPointF(9.5, 0));
    // Metal band and eraser.
    p.setPen(outline);
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(10, -4, 4, 8));
    p.setBrush(QColor(240, 130, 150));
    p.drawRoundedRect(QRectF(14, -4, 5, 8), 1.5, 1.5);
}

QImage DrawMark() {
    QImage image = Blank(MarkSize);
    QPainter p(&image);

    // The grid: 5 x 5 cells of 7 pixels, some inked like a character being drawn.
    const QRectF grid(3, 3, 35, 35);
    p.fillRect(grid, QColor(252, 252, 248));
    const int inked[] = {1, 2, 3, 5, 9, 10, 14, 15, 19, 21, 22, 23};
    for (int cell : inked) {
        p.fillRect(QRectF(grid.left() + (cell % 5) * 7, grid.top() + (cell / 5) * 7, 7, 7),
                   QColor(30, 30, 30));
    }
    p.setPen(QPen(QColor(150, 150, 160), 1));
    for (int i = 1; i < 5; ++i) {
        p.drawLine(QPointF(3 + i * 7, 3), QPointF(3 + i * 7, 37));
        p.drawLine(QPointF(3, 3 + i * 7), QPointF(37, 3 + i * 7));
    }
    p.setPen(QPen(QColor(60, 60, 70), 1));
    p.drawRect(QRectF(3, 3, 34, 34));

    // The pencil, pointing down-left, its tip touching the grid.
    p.setRenderHint(QPainter::Antialiasing, true);
    p.translate(27, 29);
    p.rotate(-45);
    DrawPencil(p, 1.4);
    return image;
}

// The icon is drawn in a 64-unit square and scaled; small sizes leave out the fine lines.
constexpr double IconUnits = 64.0;
// Cells of the grid paper, and the radius of the blocky ring in cells.
constexpr int PaperCells = 12;
constexpr double RingRadius = 4.3;

QImage DrawIcon(int size) {
    QImage image = Blank(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(size / IconUnits, size / IconUnits);
    const bool fine = size >= 48;

    // A sky-blue tile.
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(120, 210, 250));
    sky.setColorAt(1, QColor(40, 150, 220));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);

    // The sheet of grid paper.
    const QRectF paper(7, 5, 48, 48);
    p.setBrush(QColor(252, 252, 246));
    p.setPen(LinePen(QColor(40, 70, 110), 1.2));
    p.drawRect(paper);
    const double cell = paper.width() / PaperCells;

    // A round character made of cells: the ring inked, the left half of the inside coloured,
    // the way a converted piece looks next to the outline still being drawn.
    p.setRenderHint(QPainter::Antialiasing, false);
    const double centre = (PaperCells - 1) / 2.0;
    for (int row = 0; row < PaperCells; ++row) {
        for (int col = 0; col < PaperCells; ++col) {
            const double d = std::hypot(col - centre, row - centre);
            const QRectF r(paper.left() + col * cell, paper.top() + row * cell, cell, cell);
            if (std::abs(d - RingRadius) < 0.62) {
                p.fillRect(r, QColor(25, 25, 25));
            } else if (d < RingRadius && col < centre) {
                p.fillRect(r, QColor(255, 128, 0));
            } else if (d < RingRadius) {
                p.fillRect(r, QColor(255, 220, 40));
            }
        }
    }
    if (fine) {
        p.setPen(QPen(QColor(160, 175, 200), 0));
        for (int i = 1; i < PaperCells; ++i) {
            p.drawLine(QPointF(paper.left() + i * cell, paper.top()),
                       QPointF(paper.left() + i * cell, paper.bottom()));
            p.drawLine(QPointF(paper.left(), paper.top() + i * cell),
                       QPointF(paper.right(), paper.top() + i * cell));
        }
    }
    p.setRenderHint(QPainter::Antialiasing, true);

    // The pencil across the lower right corner, tip on the ring.
    p.translate(44, 44);
    p.rotate(-45);
    p.scale(1.1, 1.1);
    DrawPencil(p, fine ? 1.3 : 1.8);
    return image;
}

} // namespace

QImage MakerMark() {
    static const QImage picture = DrawMark();
    return picture;
}

QImage MakerIcon(int size) {
    if (size < MinIconSize || size > MaxIconSize) {
        return QImage();
    }
    return DrawIcon(size);
}

QIcon MakerIconSet() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128}) {
        icon.addPixmap(QPixmap::fromImage(MakerIcon(size)));
    }
    return icon;
}

} // namespace zenbro
