#include "engine/Evaluation.h"

namespace tolvekin {
namespace {

// Set by hand, then fitted by self-play matches (tools/fit_master): holding score early is
// worth less than holding it late. In the order of EvalFeature.
constexpr EvalWeights Fitted{
    //  score nonblk colour black corner near stable mobil edges
    .Empty = {-16, 0, 40, -16, 1000, -300, 100, 60, 20},
    .Full = {16, 16, 0, -16, 400, -100, 60, 20, 10},
};

struct Counts {
    int corners = 0;
    int nearCorner = 0;
    int stable = 0;
    int edges = 0;
};

// Corners, the cells next to empty corners and the runs from held corners along the edges,
// for both sides at once (index by side).
void CountCornersAndEdges(const Position& p, std::array<Counts, 3>& c) {
    const Geometry& g = p.Geo();
    const int w = g.Width();
    const int h = g.Height();
    struct Corner {
        int x, y, dx, dy;
    };
    const std::array<Corner, 4> corners = {
        {{1, 1, 1, 1}, {w, 1, -1, 1}, {1, h, 1, -1}, {w, h, -1, -1}}};
    for (const Corner& k : corners) {
        const int owner = p.Owner(k.x, k.y);
        if (owner == 0) {
            for (const auto& [ax, ay] : {std::pair{k.x + k.dx, k.y}, std::pair{k.x, k.y + k.dy},
                                         std::pair{k.x + k.dx, k.y + k.dy}}) {
                const int o = p.Owner(ax, ay);
                if (o != 0) {
                    ++c[static_cast<size_t>(o)].nearCorner;
                }
            }
            continue;
        }
        Counts& own = c[static_cast<size_t>(owner)];
        ++own.corners;
        for (int x = k.x + k.dx; x >= 1 && x <= w && p.Owner(x, k.y) == owner; x += k.dx) {
            ++own.stable;
        }
        for (int y = k.y + k.dy; y >= 1 && y <= h && p.Owner(k.x, y) == owner; y += k.dy) {
            ++own.stable;
        }
    }
    for (int x = 1; x <= w; ++x) {
        ++c[static_cast<size_t>(p.Owner(x, 1))].edges;
        ++c[static_cast<size_t>(p.Owner(x, h))].edges;
    }
    for (int y = 2; y < h; ++y) {
        ++c[static_cast<size_t>(p.Owner(1, y))].edges;
        ++c[static_cast<size_t>(p.Owner(w, y))].edges;
    }
}

} // namespace

const EvalWeights& MasterWeights() {
    return Fitted;
}

namespace {

std::array<int, FeatureCount> Differences(const Position& p, int side, bool piecesOnly,
                                          const std::array<int, 3>& mobility) {
    const int other = 3 - side;
    std::array<Counts, 3> c{};
    CountCornersAndEdges(p, c);
    const Counts& mine = c[static_cast<size_t>(side)];
    const Counts& theirs = c[static_cast<size_t>(other)];
    std::array<int, FeatureCount> f{};
    f[FeatScore] = p.Score(side) - p.Score(other);
    f[FeatNonBlack] = (p.Pieces(side) - p.Pieces(side, 7)) - (p.Pieces(other) - p.Pieces(other, 7));
    f[FeatColours] = p.Colours(side) - p.Colours(other);
    f[FeatBlack] = p.Pieces(side, 7) - p.Pieces(other, 7);
    f[FeatCorners] = mine.corners - theirs.corners;
    f[FeatNearCorner] = mine.nearCorner - theirs.nearCorner;
    f[FeatStable] = mine.stable - theirs.stable;
    f[FeatMobility] = mobility[static_cast<size_t>(side)] - mobility[static_cast<size_t>(other)];
    f[FeatEdges] = mine.edges - theirs.edges;
    if (piecesOnly) {
        f[FeatScore] = f[FeatNonBlack] = p.Pieces(side) - p.Pieces(other);
        f[FeatColours] = f[FeatBlack] = 0;
    }
    return f;
}

} // namespace

std::array<int, FeatureCount> FeatureDifferences(const Position& p, int side, bool piecesOnly) {
    return Differences(p, side, piecesOnly, p.LegalCounts());
}

int Evaluate(const Position& p, int side, const EvalWeights& weights, bool piecesOnly,
             bool* finished) {
    const std::array<int, 3> mobility = p.LegalCounts();
    const bool over = mobility[1] == 0 && mobility[2] == 0;
    if (finished != nullptr) {
        *finished = over;
    }
    if (over) {
        return FinalValue(p, side, piecesOnly);
    }
    const std::array<int, FeatureCount> f = Differences(p, side, piecesOnly, mobility);
    const int cells = p.Geo().CellCount();
    const int empties = p.Empties();
    int64_t sum = 0;
    for (size_t i = 0; i < FeatureCount; ++i) {
        sum += static_cast<int64_t>(f[i]) *
               (static_cast<int64_t>(weights.Empty[i]) * empties +
                static_cast<int64_t>(weights.Full[i]) * (cells - empties));
    }
    return static_cast<int>(sum / cells);
}

int FinalValue(const Position& p, int side, bool piecesOnly) {
    const int margin =
        piecesOnly ? p.Pieces(side) - p.Pieces(3 - side) : p.Score(side) - p.Score(3 - side);
    if (margin == 0) {
        return 0;
    }
    return (margin > 0 ? WinValue : -WinValue) + margin * PointValue;
}

} // namespace tolvekin
