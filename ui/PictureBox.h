#pragma once
// A picture holder: shows a pixmap stretched to its size, optionally inside a one-pixel border,
// and reports clicks. It paints the picture itself, so a disabled box still shows its piece
// in full colour, as the board's cells must after a game has ended.

#include <QPixmap>
#include <QWidget>

namespace tolvekin {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    void ClearPicture() { SetPicture(QPixmap()); }
    const QPixmap& Picture() const { return picture_; }
    bool HasPicture() const { return !picture_.isNull(); }

    void SetBorder(bool single);
    bool HasBorder() const { return border_; }

    // With ignored double-clicks the second click of a double-click is no click at all.
    void SetDoubleClickIgnored(bool ignored) { doubleClickIgnored_ = ignored; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
    bool border_ = false;
    bool pressedInside_ = false;
    bool doubleClickIgnored_ = false;
};

} // namespace tolvekin
