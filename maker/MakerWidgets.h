#pragma once
// The two views of the drawing in the maker's window: one cell of the editing grid, and the box
// that shows the character at its real size. Both draw the outline and change nothing in it.

#include "maker/Outline.h"

#include <QImage>
#include <QWidget>

#include <functional>

namespace zenbro {

// One cell of the grid: black when the cell is set (the black square stretched to the cell),
// otherwise nothing, so the white editing area shows through; optionally a thin border.
class PointCell : public QWidget {
    Q_OBJECT
public:
    PointCell(int index, const Outline& outline, QWidget* parent);

    int Index() const { return index_; }
    bool HasBorder() const { return border_; }
    void SetBorder(bool border);

    // A press on the cell, and the point (in the parent's coordinates) the mouse is dragged to
    // while its button is held.
    std::function<void(int index)> pressed;
    std::function<void(QPoint inParent)> dragged;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    int index_;
    const Outline& outline_;
    bool border_ = false;
};

// The real-size preview: the outline's 48 x 48 picture inside a one-pixel frame.
class PreviewBox : public QWidget {
    Q_OBJECT
public:
    PreviewBox(const Outline& outline, QWidget* parent);

    // The picture shown.
    const QImage& Picture() const { return outline_.Picture(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Outline& outline_;
};

} // namespace zenbro
