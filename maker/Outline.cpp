#include "maker/Outline.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace zenbro {

Outline::Outline() : picture_(BlankPreview()) {}

void Outline::Set(int index, bool black) {
    if (index < 0 || index >= GridCells) {
        return;
    }
    cells_[static_cast<size_t>(index)] = black;
    picture_.setPixel(CellColumn(index), CellRow(index), black ? Black : White);
    Notify(index);
}

void Outline::SetLine(int from, int to, bool black) {
    const int c0 = CellColumn(from);
    const int r0 = CellRow(from);
    const int c1 = CellColumn(to);
    const int r1 = CellRow(to);
    const int steps = std::max(std::abs(c1 - c0), std::abs(r1 - r0));
    for (int s = 1; s <= steps; ++s) {
        Set(c0 + (c1 - c0) * s / steps + GridSide * (r0 + (r1 - r0) * s / steps), black);
    }
}

void Outline::SetCells(const Points& cells) {
    cells_ = cells;
    picture_ = PreviewFromPoints(cells);
    Notify(AllCells);
}

void Outline::ReadPicture(const QImage& picture) {
    // On a white sheet of the grid's size, so that every cell has its pixel.
    QImage sheet = BlankPreview();
    QPainter p(&sheet);
    p.drawImage(0, 0, picture);
    p.end();
    cells_ = PointsFromPicture(sheet);
    picture_ = sheet;
    Notify(AllCells);
}

void Outline::Notify(int index) const {
    if (changed) {
        changed(index);
    }
}

} // namespace zenbro
