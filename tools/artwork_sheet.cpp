// Writes every built-in picture of the game and of the maker into one PNG so the artwork can be
// looked at: each picture at its own size and three times enlarged, on white and on grey.
//   artwork_sheet out.png

#include "maker/MakerArtwork.h"
#include "ui/Artwork.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace tolvekin::artwork;

struct Row {
    QString label;
    std::vector<QImage> pictures;
};

std::vector<Row> AllPictures() {
    std::vector<Row> rows;
    const std::pair<const char*, CharacterSet> sets[] = {
        {"SUN", CharacterSet::Sun}, {"FISH", CharacterSet::Fish}, {"BEAR", CharacterSet::Bear}};
    for (const auto& [name, set] : sets) {
        Row row{name, {}};
        for (int i = 0; i <= 8; ++i) {
            row.pictures.push_back(PiecePicture(set, i));
        }
        rows.push_back(row);
    }
    Row other{"mode, cursor, mark", {}};
    for (int i = 0; i < ModePictureCount; ++i) {
        other.pictures.push_back(ModePicture(i));
    }
    other.pictures.push_back(CursorPicture(0));
    other.pictures.push_back(CursorPicture(1));
    other.pictures.push_back(zenbro::MakerMark());
    rows.push_back(other);
    Row icons{"icon", {}};
    for (int size : {16, 32, 48, 64}) {
        icons.pictures.push_back(ProgramIconPicture(size));
    }
    rows.push_back(icons);
    Row makerIcons{"maker icon", {}};
    for (int size : {16, 24, 32, 48, 64}) {
        makerIcons.pictures.push_back(zenbro::MakerIcon(size));
    }
    rows.push_back(makerIcons);
    return rows;
}

constexpr int Zoom = 3;
constexpr int Gap = 12;
constexpr int LabelHeight = 18;
constexpr int SmallStrip = 72; // the pictures at their own size, above the enlargements
constexpr int BigStrip = 64 * Zoom + Gap;

int RowWidth(const Row& row) {
    int width = Gap;
    for (const QImage& image : row.pictures) {
        width += image.width() * Zoom + Gap;
    }
    return width;
}

QImage Panel(const std::vector<Row>& rows, const QColor& background) {
    int width = 0;
    for (const Row& row : rows) {
        width = std::max(width, RowWidth(row));
    }
    const int rowHeight = LabelHeight + SmallStrip + BigStrip;
    QImage panel(width, static_cast<int>(rows.size()) * rowHeight,
                 QImage::Format_ARGB32_Premultiplied);
    panel.fill(background);
    QPainter p(&panel);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (size_t r = 0; r < rows.size(); ++r) {
        const int top = static_cast<int>(r) * rowHeight;
        p.setPen(Qt::black);
        p.drawText(QPoint(Gap, top + 14), rows[r].label);
        int left = Gap;
        for (const QImage& image : rows[r].pictures) {
            p.drawImage(QPoint(left, top + LabelHeight + 4), image);
            const QRect big(left, top + LabelHeight + SmallStrip, image.width() * Zoom,
                            image.height() * Zoom);
            p.drawImage(big, image);
            // A thin frame shows the picture's own square.
            p.setPen(QColor(0, 160, 255, 90));
            p.drawRect(big.adjusted(-1, -1, 0, 0));
            left += image.width() * Zoom + Gap;
        }
    }
    return panel;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork_sheet out.png\n");
        return 2;
    }
    const std::vector<Row> rows = AllPictures();
    const QImage white = Panel(rows, Qt::white);
    const QImage grey = Panel(rows, QColor(160, 160, 160));
    QImage sheet(white.width() + grey.width(), white.height(), QImage::Format_RGB32);
    QPainter p(&sheet);
    p.drawImage(0, 0, white);
    p.drawImage(white.width(), 0, grey);
    p.end();
    if (!sheet.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "artwork_sheet: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
