// The built-in pictures: sizes, transparency, the body colour of every piece, the outlines, that
// no two pictures are the same, and that a scaled screen gets them drawn at its pixel ratio.

#include "ui/Artwork.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <set>
#include <tuple>
#include <vector>

namespace {

using namespace tolvekin::artwork;

constexpr std::array<CharacterSet, 3> AllSets{CharacterSet::Sun, CharacterSet::Fish,
                                              CharacterSet::Bear};

// Body colours of the pieces by colour value, as the bear shows them.
constexpr std::array<std::array<int, 3>, 8> Table{{{255, 255, 255},
                                                   {0, 0, 255},
                                                   {255, 255, 0},
                                                   {0, 255, 0},
                                                   {255, 0, 0},
                                                   {255, 0, 255},
                                                   {255, 128, 0},
                                                   {0, 0, 0}}};

const char* Name(CharacterSet set) {
    return set == CharacterSet::Sun ? "sun" : (set == CharacterSet::Fish ? "fish" : "bear");
}

bool Opaque(QRgb pixel) {
    return qAlpha(pixel) == 255;
}

bool Dark(QRgb pixel) {
    return Opaque(pixel) && qRed(pixel) < 16 && qGreen(pixel) < 16 && qBlue(pixel) < 16;
}

bool Light(QRgb pixel) {
    return Opaque(pixel) && qRed(pixel) > 240 && qGreen(pixel) > 240 && qBlue(pixel) > 240;
}

// A neutral grey, well away from black and white.
bool Grey(QRgb pixel) {
    const int r = qRed(pixel);
    return Opaque(pixel) && r > 100 && r < 200 && std::abs(qGreen(pixel) - r) < 8 &&
           std::abs(qBlue(pixel) - r) < 8;
}

int CountPixels(const QImage& image, bool (*test)(QRgb)) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// The most frequent colour among the fully opaque pixels.
QRgb DominantColor(const QImage& image) {
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (Opaque(pixel)) {
                ++counts[pixel & 0xffffff];
            }
        }
    }
    QRgb best = 0;
    int bestCount = -1;
    for (const auto& [colour, count] : counts) {
        if (count > bestCount) {
            best = colour;
            bestCount = count;
        }
    }
    return best;
}

// Every pixel of the outermost `margin` rings is fully transparent.
bool ClearBorder(const QImage& image, int margin) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool border = x < margin || y < margin || x >= image.width() - margin ||
                                y >= image.height() - margin;
            if (border && qAlpha(image.pixel(x, y)) != 0) {
                return false;
            }
        }
    }
    return true;
}

TEST(PiecePictures, AreSquaresOfFortyEightWithATransparentMargin) {
    for (CharacterSet set : AllSets) {
        for (int i = 0; i <= 8; ++i) {
            SCOPED_TRACE(std::string(Name(set)) + " " + std::to_string(i));
            const QImage image = PiecePicture(set, i);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), QSize(48, 48));
            EXPECT_TRUE(image.hasAlphaChannel());
            EXPECT_TRUE(ClearBorder(image, 1));
            // The dashed outline picture draws fewer pixels than a piece.
            EXPECT_GT(CountPixels(image, Opaque), i == 8 ? 60 : 150) << "the character is drawn";
        }
    }
}

TEST(PiecePictures, BodyColourDominatesAndFollowsTheColourValue) {
    for (CharacterSet set : AllSets) {
        for (int i = 0; i <= 7; ++i) {
            SCOPED_TRACE(std::string(Name(set)) + " " + std::to_string(i));
            const QRgb dominant = DominantColor(PiecePicture(set, i));
            const auto& want = Table[static_cast<size_t>(i)];
            if (set == CharacterSet::Bear) {
                EXPECT_EQ(dominant, qRgb(want[0], want[1], want[2]) & 0xffffff);
            } else {
                EXPECT_LE(std::abs(qRed(dominant) - want[0]), 8);
                EXPECT_LE(std::abs(qGreen(dominant) - want[1]), 8);
                EXPECT_LE(std::abs(qBlue(dominant) - want[2]), 8);
            }
            EXPECT_EQ(dominant, BodyColor(set, i).rgb() & 0xffffff);
        }
    }
}

TEST(PiecePictures, OutlinesAreBlackExceptOnTheBlackPiece) {
    for (CharacterSet set : AllSets) {
        SCOPED_TRACE(Name(set));
        for (int i = 0; i <= 6; ++i) {
            EXPECT_GT(CountPixels(PiecePicture(set, i), Dark), 60) << i;
        }
        // The black piece: a dark body with a light outline around it.
        const QImage black = PiecePicture(set, 7);
        EXPECT_GT(CountPixels(black, Light), 60);
        EXPECT_GT(CountPixels(black, Dark), CountPixels(black, Light));
    }
}

TEST(PiecePictures, TheOutlinePictureHasAnEmptyBody) {
    for (CharacterSet set : AllSets) {
        SCOPED_TRACE(Name(set));
        const QImage outline = PiecePicture(set, 8);
        const QImage blue = PiecePicture(set, 1);
        const QRgb body = BodyColor(set, 1).rgb();
        int bodyPixels = 0;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 48; ++x) {
                if (blue.pixel(x, y) == body) {
                    ++bodyPixels;
                    // At most the faint edge of a dash's end reaches into the body.
                    ASSERT_LE(qAlpha(outline.pixel(x, y)), 8) << x << "," << y;
                }
            }
        }
        EXPECT_GT(bodyPixels, 300);
        // What is drawn is a grey outline, clearly lighter than a piece's, and nothing in a body
        // colour: on a white board it must not pass for a white piece.
        EXPECT_EQ(CountPixels(outline, Dark), 0);
        EXPECT_EQ(CountPixels(outline, Opaque), CountPixels(outline, Grey));
        EXPECT_GT(CountPixels(outline, Grey), 60);
        // Dashed: fewer drawn pixels than the solid outline of the white piece.
        EXPECT_LT(CountPixels(outline, Opaque), CountPixels(PiecePicture(set, 0), Dark));
    }
}

TEST(PiecePictures, AllTwentySevenDifferAndAreKept) {
    std::set<QByteArray> seen;
    for (CharacterSet set : AllSets) {
        for (int i = 0; i <= 8; ++i) {
            const QImage image = PiecePicture(set, i);
            seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<qsizetype>(image.sizeInBytes())));
            // Asked again, the same picture comes back without being drawn anew.
            EXPECT_EQ(PiecePicture(set, i).cacheKey(), image.cacheKey());
        }
    }
    EXPECT_EQ(seen.size(), 27u);
}

TEST(PiecePictures, ColourNumbersOutsideTheTableGiveNothing) {
    for (CharacterSet set : AllSets) {
        EXPECT_TRUE(PiecePicture(set, -1).isNull());
        EXPECT_TRUE(PiecePicture(set, 9).isNull());
        EXPECT_FALSE(BodyColor(set, 8).isValid());
    }
}

TEST(OtherPictures, ModePicturesAreFiveDifferentDrawings) {
    std::set<QByteArray> seen;
    for (int i = 0; i < ModePictureCount; ++i) {
        SCOPED_TRACE(i);
        const QImage image = ModePicture(i);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(48, 48));
        EXPECT_GT(CountPixels(image, Opaque), 300);
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                               static_cast<qsizetype>(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 5u);
    EXPECT_TRUE(ModePicture(5).isNull());
    EXPECT_TRUE(ModePicture(-1).isNull());
}

TEST(OtherPictures, CursorsAreTwoDifferentBearFaces) {
    const QImage smiling = CursorPicture(0);
    const QImage plain = CursorPicture(1);
    for (const QImage& image : {smiling, plain}) {
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(32, 32));
        EXPECT_TRUE(ClearBorder(image, 1));
        EXPECT_GT(CountPixels(image, Opaque), 300);
    }
    EXPECT_NE(smiling, plain);
    EXPECT_TRUE(CursorPicture(2).isNull());
    const QPoint hot = CursorHotSpot();
    EXPECT_TRUE(QRect(0, 0, 32, 32).contains(hot));
    EXPECT_GT(qAlpha(smiling.pixel(hot)), 0) << "the hot spot lies on the face";
}

TEST(OtherPictures, ProgramIconComesInFourSizes) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> sizes = icon.availableSizes();
    for (int size : {16, 32, 48, 64}) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(sizes.contains(QSize(size, size)));
        const QImage image = ProgramIconPicture(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_GT(CountPixels(image, Opaque), size * size / 5);
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0);
    }
    EXPECT_TRUE(ProgramIconPicture(20).isNull());
}

// Mean difference per channel (alpha included) between two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return sum / (4.0 * a.width() * a.height());
}

// Aligned 2 x 2 blocks whose four pixels are not all the same: none in a picture blown up from
// half its size, many along the edges of one drawn at full size.
int MixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            mixed += (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                      image.pixel(x + 1, y + 1) != p)
                         ? 1
                         : 0;
        }
    }
    return mixed;
}

TEST(SharpPictures, AtRatioTwoEveryPictureIsDrawnAtTwiceThePixelsAndKeepsItsLayoutSize) {
    struct Case {
        const char* what;
        QImage once, twice;
        int side;
    };
    std::vector<Case> cases;
    for (CharacterSet set : AllSets) {
        for (int i : {0, 4, 7, 8}) {
            cases.push_back({Name(set), PiecePicture(set, i), PiecePicture(set, i, 2.0), 48});
        }
    }
    for (int i = 0; i < ModePictureCount; ++i) {
        cases.push_back({"mode", ModePicture(i), ModePicture(i, 2.0), 48});
    }
    for (int i = 0; i < 2; ++i) {
        cases.push_back({"cursor", CursorPicture(i), CursorPicture(i, 2.0), 32});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_FALSE(c.twice.isNull());
        EXPECT_EQ(c.twice.size(), QSize(2 * c.side, 2 * c.side));
        EXPECT_DOUBLE_EQ(c.twice.devicePixelRatio(), 2.0);
        EXPECT_EQ(c.twice.deviceIndependentSize(), QSizeF(c.side, c.side)) << "the layout size";
        EXPECT_TRUE(ClearBorder(c.twice, 2));
        // The same drawing: brought back to the small size it looks like the small picture ...
        const QImage reduced =
            c.twice.scaled(c.side, c.side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_LT(MeanDifference(reduced.convertToFormat(c.once.format()), c.once), 8.0);
        // ... but it is not the small one blown up: its edges have detail of their own.
        const QImage blownUp = c.once.scaled(2 * c.side, 2 * c.side);
        EXPECT_EQ(MixedBlocks(blownUp), 0);
        EXPECT_GT(MixedBlocks(c.twice), c.side);
    }
    // The cursor's hot spot is a logical point, the same at every ratio.
    EXPECT_GT(qAlpha(CursorPicture(0, 2.0).pixel(CursorHotSpot() * 2)), 0);
}

TEST(SharpPictures, EachRatioIsDrawnOnceAndNonsenseRatiosGiveTheOrdinaryPictures) {
    const QImage twice = PiecePicture(CharacterSet::Fish, 3, 2.0);
    EXPECT_EQ(PiecePicture(CharacterSet::Fish, 3, 2.0).cacheKey(), twice.cacheKey());
    EXPECT_NE(PiecePicture(CharacterSet::Fish, 3).cacheKey(), twice.cacheKey());
    // A fractional ratio, as on a screen scaled to 150%, rounds the pixels up.
    const QImage half = PiecePicture(CharacterSet::Fish, 3, 1.5);
    EXPECT_EQ(half.size(), QSize(72, 72));
    EXPECT_DOUBLE_EQ(half.devicePixelRatio(), 1.5);
    for (qreal nonsense : {0.0, -2.0, 0.5, std::nan("")}) {
        SCOPED_TRACE(nonsense);
        const QImage image = PiecePicture(CharacterSet::Bear, 1, nonsense);
        EXPECT_EQ(image.size(), QSize(48, 48));
        EXPECT_EQ(image.cacheKey(), PiecePicture(CharacterSet::Bear, 1).cacheKey());
        EXPECT_EQ(ModePicture(2, nonsense).size(), QSize(48, 48));
        EXPECT_EQ(CursorPicture(1, nonsense).size(), QSize(32, 32));
    }
    EXPECT_EQ(PiecePicture(CharacterSet::Sun, 0, 100.0).size(), QSize(192, 192)) << "at most 4";
    EXPECT_TRUE(PiecePicture(CharacterSet::Sun, 9, 2.0).isNull());
}

} // namespace
