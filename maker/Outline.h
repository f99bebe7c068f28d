#pragma once
// The character being drawn: the 48 x 48 cells and the real-size picture made from them. Setting
// a cell paints its pixel black or white; a picture read from a file is kept as it was read and
// sets only the cells of its exactly black pixels. The conversion recolours the picture alone,
// and the cells bring the black-and-white picture back afterwards.

#include "maker/PointGrid.h"

#include <QImage>

#include <functional>

namespace zenbro {

class Outline {
public:
    // All cells clear, the picture white.
    Outline();

    bool IsSet(int index) const { return cells_[static_cast<size_t>(index)]; }
    const Points& Cells() const { return cells_; }
    const QImage& Picture() const { return picture_; }

    // One cell and its pixel; an index outside the grid is ignored.
    void Set(int index, bool black);
    // The cells on the straight line after `from` up to and including `to` (both on the grid),
    // so that a fast drag leaves no gaps.
    void SetLine(int from, int to, bool black);
    // Every cell, and the picture in black and white from them.
    void SetCells(const Points& cells);
    void Clear() { SetCells(Points{}); }
    // The picture as read, from its top-left corner on a white 48 x 48 sheet; the cells are set
    // where it is exactly black.
    void ReadPicture(const QImage& picture);

    // The picture for the conversion to recolour in place; the cells stay as they are. Nothing
    // is told of these changes: the conversion repaints the preview itself after each row.
    QImage& WorkPicture() { return picture_; }

    // Called after a change: the cell's index, or AllCells when any cell may have changed.
    static constexpr int AllCells = -1;
    std::function<void(int index)> changed;

private:
    void Notify(int index) const;

    Points cells_{};
    QImage picture_;
};

} // namespace zenbro
