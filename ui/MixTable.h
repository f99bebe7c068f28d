#pragma once
// The colour-mixing table of the help window, drawn from the game's own piece colours: a row for
// each colour that acts, a column for each colour acted on, and in each cell the colour that
// results.

#include <QWidget>

namespace tolvekin {

class MixTable : public QWidget {
    Q_OBJECT
public:
    explicit MixTable(QWidget* parent = nullptr);

    // Where the swatch of acting colour `acting` on colour `actedOn` (both 0..7) lies.
    QRect SwatchRect(int acting, int actedOn) const;
    // The colour a swatch shows for a piece colour value 0..7.
    static QColor SwatchColour(int color);
    // The colour's name as the table heads it ("白", "青", ...).
    static QString ColourName(int color);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect HeaderRect(int index, bool row) const;
};

} // namespace tolvekin
