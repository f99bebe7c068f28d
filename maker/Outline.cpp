#include "maker/Outline.h"

#include <QPainter>

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
