#include "engine/MasterPlayer.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tolvekin {
namespace {

constexpr int Infinity = WinValue * 2;
constexpr std::array<uint8_t, 3> PieceColours = {1, 2, 4};

enum Bound : uint8_t { NoBound, ExactBound, LowerBound, UpperBound };

struct TableEntry {
    uint64_t key = 0;
    int32_t value = 0;
    uint16_t slot = 0;
    uint8_t color = 0;
    int8_t depth = -1;
    Bound bound = NoBound;
    bool playedOut = false; // every line below was played to the end of the game
};

struct Candidate {
    uint16_t slot = 0;
    uint8_t color = 0;
    int32_t order = 0; // higher first
    int32_t value = 0; // at the root: the value of the last iteration
};

uint64_t SplitMix(uint64_t& state) {
    uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

class Search {
public:
    Search(const Position& position, uint64_t seed, const std::atomic<bool>& cancelled,
           const MasterSettings& settings)
        : position_(position), seed_(seed), cancelled_(cancelled), settings_(settings),
          weights_(settings.Weights != nullptr ? *settings.Weights : MasterWeights()),
          history_(static_cast<size_t>(position.Geo().SlotCount()) * 8, 0) {
        // Small boards need little room; the largest get a table of 2^18 entries (4 MB).
        const int cells = position.Geo().CellCount();
        const int bits = cells <= 64 ? 16 : (cells <= 200 ? 17 : 18);
        table_.resize(size_t{1} << bits);
        mask_ = (uint64_t{1} << bits) - 1;
        // A pass keeps the depth, so a line has at most twice as many plies as placements;
        // the lists of every ply exist from the start and are never moved.
        moves_.resize(static_cast<size_t>(2 * std::max(settings.MaxDepth, 1) + 4));
    }

    Move Run(int side, MasterStats* stats);

private:
    int Negamax(int side, int depth, int alpha, int beta, int ply, bool passed);
    int Leaf(int side);
    // The placements of side, cell by cell and colour by colour, best guesses first.
    int Generate(int side, int ply, const TableEntry* known);
    bool Stopping() {
        if ((nodes_ & 255) == 0 && cancelled_.load(std::memory_order_relaxed)) {
            cancelledSeen_ = true;
        }
        stopped_ = cancelledSeen_ || (completed_ >= 1 && nodes_ >= settings_.NodeBudget);
        return stopped_;
    }
    uint64_t Key(int side) const { return position_.Hash() ^ (side == 2 ? Geometry::SideKey : 0); }
    int32_t& History(const Candidate& c) {
        return history_[static_cast<size_t>(c.slot) * 8 + c.color];
    }
    std::vector<Candidate>& Moves(int ply) { return moves_[static_cast<size_t>(ply)]; }

    Position position_;
    uint64_t seed_;
    const std::atomic<bool>& cancelled_;
    const MasterSettings& settings_;
    const EvalWeights& weights_;
    std::vector<TableEntry> table_;
    uint64_t mask_ = 0;
    std::vector<int32_t> history_;
    std::vector<std::vector<Candidate>> moves_;
    std::array<uint16_t, Geometry::MaxCells> slots_{};
    int64_t nodes_ = 0;
    int completed_ = 0;
    bool stopped_ = false;
    bool cancelledSeen_ = false;
    bool estimated_ = false; // a leaf of this iteration was judged, not played out
};

int Search::Leaf(int side) {
    bool finished = false;
    const int value = Evaluate(position_, side, weights_, settings_.PiecesOnly, &finished);
    estimated_ = estimated_ || !finished;
    return value;
}

int Search::Generate(int side, int ply, const TableEntry* known) {
    const int n = position_.LegalSlots(side, slots_.data());
    std::vector<Candidate>& list = Moves(ply);
    list.resize(static_cast<size_t>(n) * PieceColours.size());
    const Geometry& g = position_.Geo();
    // Away from the root and the last empties only the colour that scores best at once is
    // tried for each cell: which cells a side holds does not depend on colour, and three
    // times the placements would cost a whole placement of depth.
    const bool everyColour =
        ply == 0 || position_.Empties() <= settings_.EveryColourEmpties || settings_.PiecesOnly;
    size_t k = 0;
    PlayRecord record;
    for (int i = 0; i < n; ++i) {
        const uint16_t slot = slots_[static_cast<size_t>(i)];
        // Corners first, the cells that give a corner away last.
        const int prior = (10 - g.Weight(slot)) * 64;
        uint8_t only = 0;
        if (!everyColour) {
            int bestGain = -Infinity;
            for (const uint8_t color : PieceColours) {
                position_.Play(side, slot, color, &record);
                const int gain = position_.Score(side) - position_.Score(3 - side);
                position_.Undo(record);
                if (gain > bestGain) {
                    bestGain = gain;
                    only = color;
                }
            }
        }
        for (const uint8_t color : PieceColours) {
            if (only != 0 && color != only) {
                continue;
            }
            Candidate& c = list[k++];
            c.slot = slot;
            c.color = color;
            c.order = prior + History(c);
            if (known != nullptr && known->slot == slot && known->color == color) {
                c.order = Infinity;
            }
        }
    }
    return static_cast<int>(k);
}

int Search::Negamax(int side, int depth, int alpha, int beta, int ply, bool passed) {
    if (depth <= 0) {
        return Leaf(side);
    }
    const uint64_t key = Key(side);
    TableEntry& entry = table_[key & mask_];
    const TableEntry* known = nullptr;
    if (entry.key == key && entry.bound != NoBound) {
        known = &entry;
        if (entry.depth >= depth) {
            if (entry.bound == ExactBound || (entry.bound == LowerBound && entry.value >= beta) ||
                (entry.bound == UpperBound && entry.value <= alpha)) {
                return entry.value;
            }
        }
    }
    const int n = Generate(side, ply, known);
    if (n == 0) {
        if (passed) {
            return FinalValue(position_, side, settings_.PiecesOnly);
        }
        return -Negamax(3 - side, depth, -beta, -alpha, ply + 1, true);
    }
    std::vector<Candidate>& list = moves_[static_cast<size_t>(ply)];
    const int alphaIn = alpha;
    // Whether a leaf below this node was judged rather than played out.
    const bool estimatedAbove = estimated_;
    estimated_ = false;
    int best = -Infinity;
    Candidate bestMove = list[0];
    PlayRecord record;
    for (int i = 0; i < n; ++i) {
        // Pick the most promising of the rest.
        auto pick = std::max_element(
            list.begin() + i, list.begin() + n,
            [](const Candidate& a, const Candidate& b) { return a.order < b.order; });
        std::iter_swap(list.begin() + i, pick);
        const Candidate c = list[static_cast<size_t>(i)];
        position_.Play(side, c.slot, c.color, &record);
        ++nodes_;
        int value;
        if (i == 0) {
            value = -Negamax(3 - side, depth - 1, -beta, -alpha, ply + 1, false);
        } else {
            value = -Negamax(3 - side, depth - 1, -alpha - 1, -alpha, ply + 1, false);
            if (value > alpha && value < beta && !stopped_) {
                value = -Negamax(3 - side, depth - 1, -beta, -alpha, ply + 1, false);
            }
        }
        position_.Undo(record);
        if (stopped_ || Stopping()) {
            estimated_ = true;
            return 0;
        }
        if (value > best) {
            best = value;
            bestMove = c;
        }
        if (value > alpha) {
            alpha = value;
        }
        if (alpha >= beta) {
            History(c) += depth * depth;
            break;
        }
    }
    TableEntry& slot = table_[key & mask_];
    slot.key = key;
    slot.value = best;
    slot.slot = bestMove.slot;
    slot.color = bestMove.color;
    slot.depth = static_cast<int8_t>(std::min(depth, 127));
    slot.bound = best <= alphaIn ? UpperBound : (best >= beta ? LowerBound : ExactBound);
    slot.playedOut = !estimated_;
    estimated_ = estimated_ || estimatedAbove;
    return best;
}

Move Search::Run(int side, MasterStats* stats) {
    const int n = Generate(side, 0, nullptr);
    if (n == 0) {
        return Move{};
    }
    std::vector<Candidate> root(moves_[0].begin(), moves_[0].begin() + n);
    // The seed decides among placements the ordering cannot tell apart.
    uint64_t state = seed_;
    for (size_t i = root.size() - 1; i > 0; --i) {
        std::swap(root[i], root[SplitMix(state) % (i + 1)]);
    }
    std::stable_sort(root.begin(), root.end(),
                     [](const Candidate& a, const Candidate& b) { return a.order > b.order; });

    Candidate chosen = root[0];
    int chosenValue = 0;
    bool exact = false;
    const int deepest = std::max(1, std::min(settings_.MaxDepth, position_.Empties()));
    PlayRecord record;
    for (int depth = 1; depth <= deepest && !stopped_; ++depth) {
        estimated_ = false;
        int alpha = -Infinity;
        int best = -Infinity;
        Candidate bestMove = root[0];
        bool firstDone = false;
        for (size_t i = 0; i < root.size(); ++i) {
            Candidate& c = root[i];
            position_.Play(side, c.slot, c.color, &record);
            ++nodes_;
            int value;
            if (i == 0) {
                value = -Negamax(3 - side, depth - 1, -Infinity, Infinity, 1, false);
            } else {
                value = -Negamax(3 - side, depth - 1, -alpha - 1, -alpha, 1, false);
                if (value > alpha && !stopped_) {
                    value = -Negamax(3 - side, depth - 1, -Infinity, -alpha, 1, false);
                }
            }
            position_.Undo(record);
            if (stopped_ || Stopping()) {
                break;
            }
            c.value = i == 0 || value > alpha ? value : alpha - 1 - static_cast<int>(i);
            if (value > best) {
                best = value;
                bestMove = c;
            }
            alpha = std::max(alpha, value);
            firstDone = true;
        }
        if (stopped_) {
            // A placement that beat the last best one in full is better, even unfinished.
            if (firstDone && !(bestMove.slot == root[0].slot && bestMove.color == root[0].color)) {
                chosen = bestMove;
                chosenValue = best;
            }
            break;
        }
        chosen = bestMove;
        chosenValue = best;
        completed_ = depth;
        std::stable_sort(root.begin(), root.end(),
                         [](const Candidate& a, const Candidate& b) { return a.value > b.value; });
        if (!estimated_) {
            exact = true;
            break;
        }
    }
    if (stats != nullptr) {
        stats->Nodes = nodes_;
        stats->Depth = completed_;
        stats->Value = chosenValue;
        stats->Exact = exact;
    }
    const Geometry& g = position_.Geo();
    return Move{static_cast<int16_t>(g.X(chosen.slot)), static_cast<int16_t>(g.Y(chosen.slot)),
                static_cast<int8_t>(chosen.color)};
}

} // namespace

MasterSettings MasterSettingsFor(int w, int h) {
    // A placement tried costs about 0.9 us plus 0.0074 us a cell on this machine (one thread,
    // processor time). The time allowed grows from 100 ms on boards up to 8 x 8 to 1 s on the
    // largest; three quarters of it are spent, so that most moves stay well inside it.
    const double cells = w * h;
    const double allowedMs = 100.0 + 900.0 * std::max(0.0, cells - 64.0) / (38.0 * 26.0 - 64.0);
    const double perNodeUs = 0.9 + 0.0074 * cells;
    MasterSettings s;
    s.NodeBudget = static_cast<int64_t>(0.75 * allowedMs * 1000.0 / perNodeUs) / 1000 * 1000;
    return s;
}

Move ChooseMasterMove(const Position& position, int side, uint64_t seed,
                      const std::atomic<bool>& cancelled, const MasterSettings& settings,
                      MasterStats* stats) {
    Search search(position, seed, cancelled, settings);
    return search.Run(side, stats);
}

Move ChooseMasterMove(const Position& position, int side, uint64_t seed,
                      const std::atomic<bool>& cancelled, MasterStats* stats) {
    return ChooseMasterMove(position, side, seed, cancelled,
                            MasterSettingsFor(position.Width(), position.Height()), stats);
}

} // namespace tolvekin
