#include "batch/BatchRun.h"

#include "engine/ComputerPlayer.h"
#include "engine/Rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

using namespace tolvekin;

namespace {

QStringList Args(const char* text) {
    return QString::fromUtf8(text).split(' ', Qt::SkipEmptyParts);
}

struct Captured {
    std::string out;
    std::vector<std::string> log;
    BatchSummary summary;
};

Captured PlayBatch(const std::string& args, PlayOptions options = {}) {
    const BatchRequest request = ParseBatchArguments(Args(args.c_str()));
    EXPECT_TRUE(request.Ok) << request.Error.toStdString();
    Captured c;
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    c.summary = RunBatch(request.Options, options, out,
                         [&](const std::string& line) { c.log.push_back(line); });
    std::fclose(out);
    c.out.assign(buffer, size);
    std::free(buffer);
    return c;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(BatchArguments, BadArgumentsNameTheProblem) {
    struct Case {
        const char* args;
        const char* mentions;
    } cases[] = {
        {"--batch", "number of games"},
        {"--batch --moves", "number of games"},
        {"--batch ten", "not a whole number"},
        {"--batch 2.5", "not a whole number"},
        {"--batch 0", "at least 1"},
        {"--batch -3", "at least 1"},
        {"--batch 5 --fast", "unknown option: --fast"},
        {"--batch 5 --seed", "--seed needs a number"},
        {"--batch 5 --seed x1", "not an unsigned number"},
        {"--batch 5 --seed -1", "not an unsigned number"},
        {"--batch 99999999999999", "too many"},
        {"--batch 5 --jobs", "--jobs needs the number of threads"},
        {"--batch 5 --jobs 0", "at least 1"},
        {"--batch 5 --jobs -2", "at least 1"},
        {"--batch 5 --jobs two", "not a whole number"},
        {"--batch 5 --jobs 1000000", "at most 256 threads"},
        {"--batch 5 --jobs 99999999999999999999", "at most 256 threads"},
        {"--batch 5 --seed 1 --game 0", "at least 1"},
        {"--batch 5 --seed 1 --game 6", "at most 5"},
        {"--batch 5 --game 2", "--game needs --seed"},
        {"--batch 5 --levels", "--levels needs the strengths"},
        {"--batch 5 --levels 3", "1, 2 or 3 separated by a comma, not 3"},
        {"--batch 5 --levels 3,4", "not 3,4"},
        {"--batch 5 --levels 0,1", "not 0,1"},
        {"--batch 5 --levels 1,2,3", "not 1,2,3"},
        {"--batch 5 --levels 2,", "not 2,"},
        {"--batch 5 --levels=a,b", "not a,b"},
        {"--batch 5 --levels 02,1", "not 02,1"},
    };
    for (const Case& c : cases) {
        const BatchRequest r = ParseBatchArguments(Args(c.args));
        EXPECT_TRUE(r.IsBatch) << c.args;
        EXPECT_FALSE(r.Ok) << c.args;
        EXPECT_NE(r.Error.toStdString().find(c.mentions), std::string::npos)
            << c.args << " -> " << r.Error.toStdString();
        EXPECT_FALSE(r.Error.contains('\n'));
    }
}

TEST(BatchArguments, BatchOptionsAreTakenOutOfTheSettings) {
    BatchRequest r =
        ParseBatchArguments(Args("/MODE2 --batch 7 /MAXX10 --seed=42 --jobs 3 --moves --game=7"));
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(r.Options.Games, 7);
    EXPECT_EQ(r.Options.Jobs, 3);
    EXPECT_EQ(r.Options.OnlyGame, 7);
    EXPECT_TRUE(r.Options.HasSeed);
    EXPECT_EQ(r.Options.Seed, 42u);
    EXPECT_TRUE(r.Options.Moves);
    EXPECT_EQ(r.Options.Rest, Args("/MODE2 /MAXX10"));
    EXPECT_FALSE(ParseBatchArguments(Args("/MODE2 /LEVEL2")).IsBatch);
}

TEST(BatchRun, SameSeedSameGamesAndASummary) {
    const Captured a = PlayBatch("--batch 30 --seed 9");
    const Captured b = PlayBatch("--batch 30 --seed 9");
    const Captured c = PlayBatch("--batch 30 --seed 10");
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
    const auto lines = Lines(a.out);
    ASSERT_EQ(lines.size(), 31u);
    EXPECT_EQ(a.summary.WonBySide1 + a.summary.WonBySide2 + a.summary.Draws, 30);
    EXPECT_EQ(lines.back(), SummaryLine(a.summary));
    EXPECT_EQ(lines.back().rfind("batch: 30 games, ", 0), 0u);
    // Each result line is also the log line.
    ASSERT_EQ(a.log.size(), 30u);
    for (size_t i = 0; i < 30; ++i) {
        EXPECT_EQ(lines[i], a.log[i]);
        EXPECT_EQ(lines[i].rfind("コマ数　たて8　よこ8    先手　", 0), 0u) << lines[i];
    }
}

TEST(BatchRun, PrintedMoveRecordsReplayToThePrintedResult) {
    PlayOptions options;
    options.BoardWidth = 7;
    options.BoardHeight = 5;
    options.MidX = 2;
    options.MidY = 3;
    const Captured run = PlayBatch("--batch 12 --seed 3 --moves", options);
    const auto lines = Lines(run.out);
    const int cells = 35;
    const size_t recLines = (cells - 4 + 5) / 6; // 31 moves: six lines, the last padded
    ASSERT_EQ(lines.size(), 12 * (2 + recLines) + 1);
    for (size_t gameNo = 0; gameNo < 12; ++gameNo) {
        const size_t at = gameNo * (2 + recLines);
        EXPECT_EQ(lines[at], "ini,0203,0,0,0,0,0");
        GameState g;
        g.Allocate(7, 5);
        g.SetCell(2, 3, 1, 0), g.SetCell(3, 4, 1, 0), g.SetCell(3, 3, 2, 0), g.SetCell(2, 4, 2, 0);
        bool ended = false;
        for (size_t r = 0; r < recLines; ++r) {
            const std::string& line = lines[at + 1 + r];
            ASSERT_EQ(line.rfind("rec,", 0), 0u);
            ASSERT_EQ(line.size(), 4 + 6 * 6 + 5u) << line;
            for (int t = 0; t < 6; ++t) {
                const std::string token = line.substr(4 + static_cast<size_t>(t) * 7, 6);
                const int side = token[0] - '0';
                const int color = token[1] - '0';
                const int x = std::stoi(token.substr(2, 2));
                const int y = std::stoi(token.substr(4, 2));
                if (side == 0) {
                    ended = true;
                    EXPECT_EQ(token, "000000");
                    continue;
                }
                ASSERT_FALSE(ended) << "a move after the end: " << line;
                ASSERT_TRUE(CanPlace(g, side, x, y)) << token;
                g.SetCell(x, y, side, color);
                TurnOver(g, x, y);
            }
        }
        int pieces[3] = {};
        for (int x = 1; x <= 7; ++x) {
            for (int y = 1; y <= 5; ++y) {
                ++pieces[g.Board(x, y)];
            }
        }
        const std::string expect = "先手　" + std::to_string(pieces[1]) + "個、　後手　" +
                                   std::to_string(pieces[2]) + "個";
        EXPECT_NE(lines[at + 1 + recLines].find(expect), std::string::npos)
            << lines[at + 1 + recLines];
        // The game really ended: neither side can place.
        EXPECT_FALSE(CollectCandidates(g, 1));
        EXPECT_FALSE(CollectCandidates(g, 2));
    }
}

namespace {

// The placements of each game of a printed series, replayed, with whether each was among the
// candidates of the lowest cell weight: (side, best weight) per move, game by game.
std::vector<std::vector<std::pair<int, bool>>> ReplayedWeights(const std::string& out, int w,
                                                               int h) {
    std::vector<std::vector<std::pair<int, bool>>> games;
    std::vector<int32_t> weights;
    BuildCellWeights(w, h, weights);
    GameState g;
    for (const std::string& line : Lines(out)) {
        if (line.rfind("ini,", 0) == 0) {
            const int sx = std::stoi(line.substr(4, 2));
            const int sy = std::stoi(line.substr(6, 2));
            g.Allocate(w, h);
            g.SetCell(sx, sy, 1, 0), g.SetCell(sx + 1, sy + 1, 1, 0);
            g.SetCell(sx + 1, sy, 2, 0), g.SetCell(sx, sy + 1, 2, 0);
            games.emplace_back();
            continue;
        }
        if (line.rfind("rec,", 0) != 0) {
            continue;
        }
        for (size_t at = 4; at + 6 <= line.size(); at += 7) {
            const std::string token = line.substr(at, 6);
            const int side = token[0] - '0';
            if (side == 0) {
                break;
            }
            const int x = std::stoi(token.substr(2, 2));
            const int y = std::stoi(token.substr(4, 2));
            EXPECT_TRUE(CollectCandidates(g, side)) << token;
            int best = 1000;
            for (int i = 1; i <= g.CandCount; ++i) {
                best = std::min(
                    best, weights[static_cast<size_t>(g.CellIndex(
                              g.CandX[static_cast<size_t>(i)], g.CandY[static_cast<size_t>(i)]))]);
            }
            games.back().emplace_back(side,
                                      weights[static_cast<size_t>(g.CellIndex(x, y))] == best);
            EXPECT_TRUE(CanPlace(g, side, x, y)) << token;
            g.SetCell(x, y, side, token[1] - '0');
            TurnOver(g, x, y);
        }
    }
    return games;
}

} // namespace

TEST(BatchLevels, EachSidePlaysItsStrengthForEveryMove) {
    for (const auto& [levels, strongSide] : {std::pair{"2,1", 1}, std::pair{"1,2", 2}}) {
        const Captured run =
            PlayBatch(std::string("--batch 20 --seed 5 --moves --levels ") + levels);
        const auto games = ReplayedWeights(run.out, 8, 8);
        ASSERT_EQ(games.size(), 20u);
        int weakMissed = 0;
        for (const auto& moves : games) {
            for (const auto& [side, best] : moves) {
                if (side == strongSide) {
                    EXPECT_TRUE(best) << levels; // 強い always takes a cell of the best weight
                } else {
                    weakMissed += best ? 0 : 1;
                }
            }
        }
        EXPECT_GT(weakMissed, 20) << levels; // 弱い often does not
        EXPECT_EQ(Lines(run.out).back(), SummaryLine(run.summary));
    }
    // Without --levels the strengths alternate: side 1 is not strong on every move.
    int side1Missed = 0;
    for (const auto& moves : ReplayedWeights(PlayBatch("--batch 20 --seed 5 --moves").out, 8, 8)) {
        for (const auto& [side, best] : moves) {
            side1Missed += side == 1 && !best ? 1 : 0;
        }
    }
    EXPECT_GT(side1Missed, 0);
}

TEST(BatchLevels, AMatchPrintsTheSameForAnyThreadsAndGameKAlone) {
    // A small board keeps 名人's thinking short; more games than one block of the threads.
    PlayOptions small;
    small.BoardWidth = 3;
    small.BoardHeight = 4;
    small.MidX = 1;
    small.MidY = 2;
    const Captured one = PlayBatch("--batch 70 --seed 8 --levels 3,1 --jobs 1", small);
    const Captured many = PlayBatch("--batch 70 --seed 8 --levels 3,1 --jobs 3", small);
    EXPECT_EQ(one.out, many.out);
    EXPECT_EQ(one.log, many.log);
    ASSERT_EQ(one.log.size(), 70u);
    const Captured game67 = PlayBatch("--batch 70 --seed 8 --levels 3,1 --game 67", small);
    EXPECT_EQ(game67.out, one.log[66] + "\n");
    EXPECT_TRUE(game67.log.empty());
    EXPECT_NE(one.out, PlayBatch("--batch 70 --seed 8 --levels 2,1 --jobs 1", small).out);
}

namespace {

PlayOptions BoardOf(int w, int h) {
    PlayOptions s;
    s.BoardWidth = w;
    s.BoardHeight = h;
    s.MidX = w / 2;
    s.MidY = h / 2;
    return s;
}

} // namespace

// The series is cut into blocks of games for the threads; more games than two blocks hold make
// the threads hand over and the writer wait.
TEST(BatchThreads, SameBytesAndSameLogForAnyNumberOfThreads) {
    struct Case {
        int w, h;
        const char* seed;
        int games;
    } cases[] = {{8, 8, "1", 200},
                 {9, 7, "77", 150},
                 {5, 4, "3", 300},
                 {12, 10, "12", 140},
                 {20, 15, "5", 70}};
    for (const Case& c : cases) {
        const std::string base =
            "--batch " + std::to_string(c.games) + " --seed " + c.seed + " --moves --jobs ";
        const Captured one = PlayBatch(base + "1", BoardOf(c.w, c.h));
        ASSERT_EQ(one.summary.Games, c.games);
        ASSERT_EQ(one.log.size(), static_cast<size_t>(c.games));
        for (const char* jobs : {"2", "7"}) {
            const Captured many = PlayBatch(base + jobs, BoardOf(c.w, c.h));
            EXPECT_EQ(many.out, one.out) << c.w << "x" << c.h << " --jobs " << jobs;
            EXPECT_EQ(many.log, one.log) << c.w << "x" << c.h << " --jobs " << jobs;
            EXPECT_TRUE(many.summary.WriteError.empty());
        }
    }
}

TEST(BatchThreads, GameKPrintsExactlyGameKOfTheSeriesAndLogsNothing) {
    const PlayOptions board = BoardOf(6, 5);
    const Captured series = PlayBatch("--batch 130 --seed 21 --moves --jobs 3", board);
    const auto lines = Lines(series.out);
    const size_t perGame = 2 + (30 - 4 + 5) / 6; // start, move records, result
    ASSERT_EQ(lines.size(), 130 * perGame + 1);
    // The first and last game of a block, the next block's first, the series' last.
    for (int k : {1, 64, 65, 130}) {
        const Captured alone =
            PlayBatch("--batch 130 --seed 21 --moves --game " + std::to_string(k), board);
        std::string expected;
        for (size_t i = 0; i < perGame; ++i) {
            expected += lines[static_cast<size_t>(k - 1) * perGame + i] + "\n";
        }
        EXPECT_EQ(alone.out, expected) << "game " << k;
        EXPECT_TRUE(alone.log.empty());
    }
    // Another seed gives other games.
    const Captured other = PlayBatch("--batch 130 --seed 22 --moves --game 1", board);
    EXPECT_NE(other.out.substr(0, 60), series.out.substr(0, 60));
}

TEST(BatchThreads, AFailedWriteStopsTheSeriesAndIsReported) {
    const BatchRequest request = ParseBatchArguments(Args("--batch 500 --seed 4 --jobs 2"));
    ASSERT_TRUE(request.Ok);
    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    int logged = 0;
    const BatchSummary s =
        RunBatch(request.Options, PlayOptions{}, full, [&](const std::string&) { ++logged; });
    std::fclose(full);
    EXPECT_FALSE(s.WriteError.empty());
    // The series stopped early: not every game was played and logged.
    EXPECT_LT(s.Games, 500);
    EXPECT_EQ(logged, s.Games);
}
