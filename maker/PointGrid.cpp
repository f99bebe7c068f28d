#include "maker/PointGrid.h"

#include <cmath>

namespace zenbro {

QImage BlankPreview() {
    QImage image(GridSide, GridSide, QImage::Format_RGB32);
    image.fill(White);
    return image;
}

QImage PreviewFromPoints(const Points& points) {
    QImage image = BlankPreview();
    for (int i = 0; i < GridCells; ++i) {
        if (points[static_cast<size_t>(i)]) {
            image.setPixel(CellColumn(i), CellRow(i), Black);
        }
    }
    return image;
}

Points PointsFromPicture(const QImage& picture) {
    Points points{};
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < GridCells; ++i) {
        const int x = CellColumn(i);
        const int y = CellRow(i);
        points[static_cast<size_t>(i)] = rgb.valid(x, y) && rgb.pixel(x, y) == Black;
    }
    return points;
}

namespace {

// One axis: the cell size in whole twips, the spare twips halved for the margin (rounded down),
// both back in pixels.
std::pair<int, int> LayoutAxis(int pixels, double twipsPerPixel) {
    if (twipsPerPixel <= 0) {
        twipsPerPixel = 15;
    }
    const auto twips = static_cast<long>(std::nearbyint(pixels * twipsPerPixel));
    const long cell = (twips - twips % GridSide) / GridSide;
    const long margin = (twips % GridSide) / 2;
    return {static_cast<int>(std::nearbyint(cell / twipsPerPixel)),
            static_cast<int>(margin / twipsPerPixel)};
}

} // namespace

GridGeometry LayoutGrid(QSize inner, double twipsPerPixelX, double twipsPerPixelY) {
    const auto [cellWidth, left] = LayoutAxis(inner.width(), twipsPerPixelX);
    const auto [cellHeight, top] = LayoutAxis(inner.height(), twipsPerPixelY);
    return GridGeometry{cellWidth, cellHeight, left, top};
}

} // namespace zenbro
