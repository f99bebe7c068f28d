#pragma once
// The two picture controls of the maker's window: one cell of the editing grid, and the box that
// shows the character at its real size.

#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace zenbro {

// One cell of the grid: shows its picture stretched to the cell (the black square of a set
// cell) or nothing, so the white editing area shows through; optionally a thin border.
class PointCell : public QWidget {
    Q_OBJECT
public:
    PointCell(int index, QWidget* parent);

    int Index() const { return index_; }
    bool HasPicture() const { return !picture_.isNull(); }
    void SetPicture(const QPixmap& picture);
    void ClearPicture() { SetPicture(QPixmap()); }
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
    QPixmap picture_;
    bool border_ = false;
};

// The real-size preview: a 48 x 48 picture inside a one-pixel frame. An empty picture shows
// the white background.
class PreviewBox : public QWidget {
    Q_OBJECT
public:
    explicit PreviewBox(QWidget* parent);

    // The picture itself, changed in place by the maker; call update() to show the change.
    QImage& Picture() { return picture_; }
    const QImage& Picture() const { return picture_; }
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
};

} // namespace zenbro
