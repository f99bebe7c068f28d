#include "ui/Artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <numbers>
#include <utility>

namespace tolvekin::artwork {
namespace {

// How one character is painted: the body fill (none for the outline picture), the colour of the
// outline and facial features, the outline's width in the character's own 48-unit space, and
// whether the outline is dashed.
struct Style {
    bool filled = true;
    QColor body;
    QColor line;
    double width = 2.0;
    bool dashed = false;
};

// The outline picture marks where a piece may go. On a white board a black outline around an
// empty body would look just like a white piece, so it is drawn dashed and in a light grey.
const QColor HintGrey(150, 150, 150);

// Pure colours of the bear; the sun and the fish keep every channel a little off the extremes.
constexpr std::array<std::array<int, 3>, 8> PureColors{{{255, 255, 255},
                                                        {0, 0, 255},
                                                        {255, 255, 0},
                                                        {0, 255, 0},
                                                        {255, 0, 0},
                                                        {255, 0, 255},
                                                        {255, 128, 0},
                                                        {0, 0, 0}}};

int Soften(int channel) {
    return channel == 255 ? 250 : channel + 4;
}

QColor Tone(CharacterSet set, int r, int g, int b) {
    if (set == CharacterSet::Bear) {
        return QColor(r, g, b);
    }
    return QColor(Soften(r), Soften(g), Soften(b));
}

// A ratio the pictures can be drawn at: 1 for nonsense, at most 4 (a 192-pixel piece).
qreal UsableRatio(qreal ratio) {
    return ratio >= 1.0 ? std::min(ratio, 4.0) : 1.0;
}

// A transparent picture of size x size logical pixels for `ratio`. A painter on it draws in
// logical pixels: QPainter scales by the image's device pixel ratio.
QImage Blank(int size, qreal ratio = 1.0) {
    const int pixels = static_cast<int>(std::ceil(size * ratio - 1e-9));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    return image;
}

// The pictures drawn so far, one array per ratio; a program meets one or two ratios.
template <typename Pictures> class PerRatio {
public:
    template <typename Draw> const Pictures& Get(qreal ratio, Draw draw) {
        for (const auto& [r, pictures] : drawn_) {
            if (r == ratio) {
                return pictures;
            }
        }
        drawn_.emplace_back(ratio, draw(ratio));
        return drawn_.back().second;
    }

private:
    std::deque<std::pair<qreal, Pictures>> drawn_; // a deque keeps returned references valid
};

void BeginPainting(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QPen LinePen(const QColor& color, double width) {
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Fills a shape in the body colour and strokes its outline. For the outline picture the shape is
// cleared instead of filled, so it still hides the lines of the parts behind it (the rays under
// the sun's face, the ears under the bear's head) and only the outer outline remains.
void Shape(QPainter& p, const QPainterPath& path, const Style& s) {
    if (s.filled) {
        p.fillPath(path, s.body);
    } else {
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillPath(path, Qt::black);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    QPen pen = LinePen(s.line, s.width);
    if (s.dashed) {
        pen.setDashPattern({1.2, 2.2});
    }
    p.strokePath(path, pen);
}

// A feature line (a mouth, a gill) in the outline colour.
void Stroke(QPainter& p, const QPainterPath& path, const Style& s, double width) {
    p.strokePath(path, LinePen(s.line, width));
}

// A filled feature (an eye, a nose) in the outline colour.
void Dot(QPainter& p, QPointF centre, double rx, double ry, const Style& s) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    p.fillPath(path, s.line);
}

QPainterPath Ellipse(QPointF centre, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return centre + QPointF(radius * std::sin(a), -radius * std::cos(a));
}

// ---------------------------------------------------------------------------------------------
// The sun: a round smiling face in a ring of eight pointed rays, the diagonal ones longer.

void DrawSun(QPainter& p, const Style& s) {
    const QPointF c(24, 24);
    QPainterPath rays;
    for (int i = 0; i < 8; ++i) {
        const double angle = i * 45.0;
        // The diagonal rays reach into the corners, where there is more room.
        const double tip = (i % 2 == 0) ? 21.5 : 23.5;
        rays.moveTo(Polar(c, 12.0, angle - 21));
        rays.lineTo(Polar(c, tip, angle));
        rays.lineTo(Polar(c, 12.0, angle + 21));
        rays.closeSubpath();
    }
    Shape(p, rays, s);
    Shape(p, Ellipse(c, 13.5, 13.5), s);

    // Eyes and a wide smile.
    Dot(p, QPointF(19.2, 21.0), 1.8, 2.6, s);
    Dot(p, QPointF(28.8, 21.0), 1.8, 2.6, s);
    QPainterPath smile;
    smile.moveTo(17.5, 26.5);
    smile.cubicTo(19.5, 32.0, 28.5, 32.0, 30.5, 26.5);
    Stroke(p, smile, s, 1.8);
}

// ---------------------------------------------------------------------------------------------
// The fish: side view facing left, with a forked tail, a back fin, a belly fin, a few scales, a
// gill line, a round eye and a little smile.

void DrawFish(QPainter& p, const Style& s) {
    QPainterPath tail;
    tail.moveTo(33.0, 21.5);
    tail.lineTo(45.0, 11.5);
    tail.quadTo(42.0, 24.0, 45.0, 36.5);
    tail.lineTo(33.0, 27.5);
    tail.closeSubpath();
    Shape(p, tail, s);

    QPainterPath backFin;
    backFin.moveTo(13.0, 14.0);
    backFin.cubicTo(16.0, 6.5, 24.0, 5.0, 29.0, 7.0);
    backFin.cubicTo(27.0, 10.0, 27.5, 13.0, 29.0, 16.0);
    backFin.closeSubpath();
    Shape(p, backFin, s);

    QPainterPath bellyFin;
    bellyFin.moveTo(17.0, 34.0);
    bellyFin.cubicTo(19.0, 39.5, 24.0, 41.5, 27.0, 41.0);
    bellyFin.cubicTo(25.5, 38.5, 26.0, 36.0, 27.5, 33.5);
    bellyFin.closeSubpath();
    Shape(p, bellyFin, s);

    QPainterPath body;
    body.moveTo(3.5, 25.0);
    body.cubicTo(5.5, 16.5, 12.0, 11.0, 20.0, 11.0);
    body.cubicTo(27.0, 11.0, 32.0, 17.0, 36.0, 22.0);
    body.lineTo(36.0, 27.0);
    body.cubicTo(32.0, 32.0, 27.0, 37.0, 19.0, 37.0);
    body.cubicTo(11.0, 37.0, 5.5, 33.0, 3.5, 25.0);
    body.closeSubpath();
    Shape(p, body, s);

    // Gill line behind the head.
    QPainterPath gill;
    gill.moveTo(15.0, 15.5);
    gill.quadTo(19.5, 24.0, 15.0, 32.5);
    Stroke(p, gill, s, 1.6);

    // Two rows of scales.
    QPainterPath scales;
    for (const QPointF& at : {QPointF(22.5, 20.0), QPointF(28.0, 22.5), QPointF(22.5, 28.0)}) {
        scales.moveTo(at + QPointF(-1.5, -3.0));
        scales.quadTo(at + QPointF(2.0, 0.0), at + QPointF(-1.5, 3.0));
    }
    Stroke(p, scales, s, 1.3);

    // Eye: a ring around a pupil.
    p.strokePath(Ellipse(QPointF(10.0, 21.5), 3.0, 3.0), LinePen(s.line, 1.4));
    Dot(p, QPointF(9.4, 21.5), 1.6, 1.6, s);

    // Mouth.
    QPainterPath mouth;
    mouth.moveTo(4.5, 27.5);
    mouth.quadTo(6.5, 29.5, 8.5, 27.5);
    Stroke(p, mouth, s, 1.3);
}

// ---------------------------------------------------------------------------------------------
// The bear: a round head with two round ears, a snout with a nose and mouth, and two eyes.

enum class Mood { Content, Smiling, Plain };

void DrawBear(QPainter& p, const Style& s, Mood mood) {
    const QPointF leftEar(11.5, 12.5);
    const QPointF rightEar(36.5, 12.5);
    Shape(p, Ellipse(leftEar, 7.5, 7.5), s);
    Shape(p, Ellipse(rightEar, 7.5, 7.5), s);
    // The inner ears, as arcs facing the head.
    QPainterPath inner;
    inner.addEllipse(QPointF(12.5, 13.5), 3.5, 3.5);
    inner.addEllipse(QPointF(35.5, 13.5), 3.5, 3.5);
    Stroke(p, inner, s, 1.4);

    Shape(p, Ellipse(QPointF(24, 27), 19.0, 16.5), s);

    // Eyes; the smiling bear also blushes.
    if (mood == Mood::Smiling) {
        if (s.filled) {
            p.fillPath(Ellipse(QPointF(12.0, 30.0), 3.2, 2.2), QColor(240, 110, 120, 190));
            p.fillPath(Ellipse(QPointF(36.0, 30.0), 3.2, 2.2), QColor(240, 110, 120, 190));
        }
        QPainterPath eyes;
        eyes.moveTo(14.5, 25.0);
        eyes.quadTo(17.0, 21.0, 19.5, 25.0);
        eyes.moveTo(28.5, 25.0);
        eyes.quadTo(31.0, 21.0, 33.5, 25.0);
        Stroke(p, eyes, s, 2.0);
    } else {
        Dot(p, QPointF(16.8, 24.0), 2.2, 2.4, s);
        Dot(p, QPointF(31.2, 24.0), 2.2, 2.4, s);
    }

    // Snout, nose and mouth.
    p.strokePath(Ellipse(QPointF(24, 33.5), 7.5, 5.8), LinePen(s.line, 1.5));
    Dot(p, QPointF(24, 30.8), 2.9, 2.1, s);
    QPainterPath mouth;
    mouth.moveTo(24, 32.0);
    mouth.lineTo(24, 34.5);
    switch (mood) {
    case Mood::Content:
        mouth.moveTo(20.8, 34.2);
        mouth.quadTo(22.5, 37.0, 24, 34.5);
        mouth.quadTo(25.5, 37.0, 27.2, 34.2);
        break;
    case Mood::Smiling:
        mouth.moveTo(20.0, 34.0);
        mouth.quadTo(24.0, 40.0, 28.0, 34.0);
        break;
    case Mood::Plain:
        mouth.moveTo(21.5, 36.0);
        mouth.lineTo(26.5, 36.0);
        break;
    }
    Stroke(p, mouth, s, 1.4);
}

// ---------------------------------------------------------------------------------------------
// Piece pictures.

QImage DrawPiece(CharacterSet set, int index, qreal ratio) {
    QImage image = Blank(PictureSize, ratio);
    QPainter p(&image);
    BeginPainting(p);
    Style s;
    if (index == 8) {
        s.filled = false;
        s.dashed = true;
        s.line = HintGrey;
    } else {
        s.body = BodyColor(set, index);
        s.line = index == 7 ? Tone(set, 255, 255, 255) : Tone(set, 0, 0, 0);
    }
    switch (set) {
    case CharacterSet::Sun:
        DrawSun(p, s);
        break;
    case CharacterSet::Fish:
        DrawFish(p, s);
        break;
    case CharacterSet::Bear:
        DrawBear(p, s, Mood::Content);
        break;
    }
    return image;
}

// ---------------------------------------------------------------------------------------------
// Mode pictures, cursors, icon and mark. These are not pieces, so they use a friendly brown bear
// and a beige computer instead of the piece colours.

const QColor BearBrown(196, 130, 66);
const QColor BearHoney(240, 190, 90);
const QColor DarkLine(40, 26, 16);

Style BrownBear(const QColor& body, double scale) {
    return Style{true, body, DarkLine, 2.0 / scale};
}

// Draws a bear face of the given size (in pixels) with its top-left corner at `origin`.
void BearAt(QPainter& p, QPointF origin, double size, const QColor& body, Mood mood) {
    const double scale = size / PictureSize;
    p.save();
    p.translate(origin);
    p.scale(scale, scale);
    DrawBear(p, BrownBear(body, std::max(scale, 0.75)), mood);
    p.restore();
}

// A desktop computer: a beige monitor whose screen shows a little board with four pieces, on a
// short stand and foot.
void DrawComputer(QPainter& p, const QRectF& monitor, double line) {
    const QColor caseColor(226, 220, 200);
    const QColor caseShade(176, 168, 146);
    const QPen pen = LinePen(DarkLine, line);

    // Stand and foot.
    const double cx = monitor.center().x();
    const QRectF neck(cx - monitor.width() * 0.12, monitor.bottom(), monitor.width() * 0.24,
                      monitor.height() * 0.16);
    const QRectF foot(cx - monitor.width() * 0.34, neck.bottom(), monitor.width() * 0.68,
                      monitor.height() * 0.14);
    p.setPen(pen);
    p.setBrush(caseShade);
    p.drawRect(neck);
    p.setBrush(caseColor);
    p.drawRoundedRect(foot, line, line);

    // Case.
    const double r = monitor.width() * 0.12;
    p.setBrush(caseColor);
    p.drawRoundedRect(monitor, r, r);

    // Screen with a 2 x 2 board.
    const double inset = monitor.width() * 0.13;
    const QRectF screen = monitor.adjusted(inset, inset, -inset, -inset * 1.6);
    p.setBrush(QColor(28, 54, 96));
    p.setPen(LinePen(DarkLine, line * 0.8));
    p.drawRect(screen);
    const double side = std::min(screen.width(), screen.height()) * 0.74;
    const QRectF board(screen.center().x() - side / 2, screen.center().y() - side / 2, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 150, 70));
    p.drawRect(board);
    const double cell = side / 2;
    const double disc = cell * 0.36;
    for (int i = 0; i < 4; ++i) {
        const int col = i % 2;
        const int row = i / 2;
        const QPointF centre(board.left() + cell * (col + 0.5), board.top() + cell * (row + 0.5));
        p.setBrush(col == row ? QColor(250, 250, 250) : QColor(10, 10, 10));
        p.drawEllipse(centre, disc, disc);
    }

    // A power light under the screen.
    p.setBrush(QColor(60, 200, 80));
    p.drawEllipse(QPointF(monitor.right() - inset * 1.2, monitor.bottom() - inset * 0.8),
                  line * 0.7, line * 0.7);
    p.setBrush(Qt::NoBrush);
}

// A keyboard seen slightly from above.
void DrawKeyboard(QPainter& p, const QRectF& area, double line) {
    p.setPen(LinePen(DarkLine, line));
    p.setBrush(QColor(226, 220, 200));
    p.drawRoundedRect(area, line, line);
    p.setPen(LinePen(QColor(150, 142, 122), line * 0.7));
    const double y1 = area.top() + area.height() * 0.38;
    const double y2 = area.top() + area.height() * 0.68;
    for (double x = area.left() + 3; x < area.right() - 2; x += 3) {
        p.drawPoint(QPointF(x, y1));
        p.drawPoint(QPointF(x, y2));
    }
    p.setBrush(Qt::NoBrush);
}

// A golden crown with three points, each carrying a small red jewel: the computer that plays
// like a master wears it.
void DrawCrown(QPainter& p, const QRectF& area, double line) {
    const double l = area.left();
    const double r = area.right();
    const double t = area.top();
    const double b = area.bottom();
    const double w = area.width();
    const double tips = t + area.height() * 0.28; // where the jewels sit
    const double dips = t + area.height() * 0.62; // the notches between the points
    QPainterPath crown;
    crown.moveTo(l, b);
    crown.lineTo(l, tips);
    crown.lineTo(l + w * 0.25, dips);
    crown.lineTo(l + w * 0.5, tips);
    crown.lineTo(l + w * 0.75, dips);
    crown.lineTo(r, tips);
    crown.lineTo(r, b);
    crown.closeSubpath();
    p.setPen(LinePen(DarkLine, line));
    p.setBrush(QColor(246, 196, 40));
    p.drawPath(crown);
    p.setBrush(QColor(220, 40, 50));
    const double jewel = std::max(line, area.height() * 0.16);
    for (double x : {l, l + w * 0.5, r}) {
        p.drawEllipse(QPointF(x, tips - jewel * 0.4), jewel, jewel);
    }
    p.setBrush(Qt::NoBrush);
}

QImage DrawMode(int index, qreal ratio) {
    QImage image = Blank(PictureSize, ratio);
    QPainter p(&image);
    BeginPainting(p);
    switch (index) {
    case 0: // The bear with a small computer beside it.
        DrawComputer(p, QRectF(28, 24, 17, 14), 1.2);
        BearAt(p, QPointF(1, 3), 32, BearBrown, Mood::Content);
        break;
    case 1: // A small bear in front of a big computer.
        DrawComputer(p, QRectF(14, 3, 32, 27), 1.5);
        BearAt(p, QPointF(1, 24), 22, BearBrown, Mood::Content);
        break;
    case 2: // Two bears side by side.
        BearAt(p, QPointF(1, 3), 28, BearHoney, Mood::Smiling);
        BearAt(p, QPointF(19, 17), 28, BearBrown, Mood::Content);
        break;
    case 3: // The computer alone, with its keyboard.
        DrawComputer(p, QRectF(7, 3, 34, 28), 1.5);
        DrawKeyboard(p, QRectF(4, 38, 40, 7), 1.3);
        break;
    case 4: // A small bear in front of a big computer that wears a crown.
        DrawComputer(p, QRectF(15, 12, 31, 24), 1.5);
        DrawCrown(p, QRectF(21, 2, 19, 10), 1.2);
        BearAt(p, QPointF(1, 25), 22, BearBrown, Mood::Content);
        break;
    default:
        break;
    }
    return image;
}

QImage DrawCursor(int index, qreal ratio) {
    QImage image = Blank(CursorSize, ratio);
    QPainter p(&image);
    BeginPainting(p);
    BearAt(p, QPointF(0, 1), CursorSize, BearBrown, index == 0 ? Mood::Smiling : Mood::Plain);
    return image;
}

// The icon: the sun rising behind the bear's head, a small fish swimming in front. The smaller
// sizes leave out the fish, and the smallest shows the sun alone, readable at 16 pixels.
QImage DrawIcon(int size) {
    QImage image = Blank(size);
    QPainter p(&image);
    BeginPainting(p);
    const double scale = size / 48.0;
    p.scale(scale, scale);
    const double line = std::max(2.0, 1.2 / scale);
    const Style sun{true, QColor(250, 210, 30), DarkLine, line};
    if (size <= 16) {
        DrawSun(p, Style{true, QColor(250, 200, 20), DarkLine, 3.0});
        return image;
    }
    p.save();
    p.translate(19, 0.5);
    p.scale(0.6, 0.6);
    DrawSun(p, Style{sun.filled, sun.body, sun.line, line / 0.6});
    p.restore();
    p.save();
    p.translate(1, 10);
    p.scale(0.76, 0.76);
    DrawBear(p, Style{true, BearBrown, DarkLine, line / 0.76}, Mood::Content);
    p.restore();
    if (size < 48) {
        return image; // the fish would only be a smudge
    }
    p.save();
    p.translate(24, 30);
    p.scale(0.48, 0.48);
    DrawFish(p, Style{true, QColor(60, 140, 250), DarkLine, line / 0.48});
    p.restore();
    return image;
}

template <size_t N, typename Draw> std::array<QImage, N> Build(Draw draw) {
    std::array<QImage, N> images;
    for (size_t i = 0; i < N; ++i) {
        images[i] = draw(static_cast<int>(i));
    }
    return images;
}

} // namespace

QColor BodyColor(CharacterSet set, int index) {
    if (index < 0 || index > 7) {
        return QColor();
    }
    const auto& rgb = PureColors[static_cast<size_t>(index)];
    return Tone(set, rgb[0], rgb[1], rgb[2]);
}

QImage PiecePicture(CharacterSet set, int index, qreal ratio) {
    using Sets = std::array<std::array<QImage, 9>, 3>;
    static PerRatio<Sets> drawn;
    if (index < 0 || index > 8) {
        return QImage();
    }
    const Sets& pictures = drawn.Get(UsableRatio(ratio), [](qreal r) {
        Sets all;
        const CharacterSet sets[3] = {CharacterSet::Sun, CharacterSet::Fish, CharacterSet::Bear};
        for (size_t s = 0; s < 3; ++s) {
            all[s] = Build<9>([&](int i) { return DrawPiece(sets[s], i, r); });
        }
        return all;
    });
    return pictures[static_cast<size_t>(set)][static_cast<size_t>(index)];
}

QImage ModePicture(int index, qreal ratio) {
    static PerRatio<std::array<QImage, ModePictureCount>> drawn;
    if (index < 0 || index >= ModePictureCount) {
        return QImage();
    }
    const auto& pictures = drawn.Get(UsableRatio(ratio), [](qreal r) {
        return Build<ModePictureCount>([r](int i) { return DrawMode(i, r); });
    });
    return pictures[static_cast<size_t>(index)];
}

QImage CursorPicture(int index, qreal ratio) {
    static PerRatio<std::array<QImage, 2>> drawn;
    if (index < 0 || index > 1) {
        return QImage();
    }
    const auto& pictures = drawn.Get(UsableRatio(ratio), [](qreal r) {
        return Build<2>([r](int i) { return DrawCursor(i, r); });
    });
    return pictures[static_cast<size_t>(index)];
}

QPoint CursorHotSpot() {
    return QPoint(CursorSize / 2, CursorSize / 2);
}

constexpr std::array<int, 4> IconSizes{16, 32, 48, 64};

QImage ProgramIconPicture(int size) {
    static const auto pictures =
        Build<IconSizes.size()>([](int i) { return DrawIcon(IconSizes[static_cast<size_t>(i)]); });
    for (size_t i = 0; i < IconSizes.size(); ++i) {
        if (size == IconSizes[i]) {
            return pictures[i];
        }
    }
    return QImage();
}

QImage DrawnProgramIcon(int size) {
    if (size < 16 || size > 256) {
        return QImage();
    }
    return DrawIcon(size);
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : IconSizes) {
        icon.addPixmap(QPixmap::fromImage(ProgramIconPicture(size)));
    }
    return icon;
}

} // namespace tolvekin::artwork
