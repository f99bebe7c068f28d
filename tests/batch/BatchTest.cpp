#include "BatchRun.h"

#include "ComputerPlayer.h"
#include "Rules.h"

#include <gtest/gtest.h>

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

Captured PlayBatch(const char* args, Settings settings = {}) {
    const BatchRequest request = ParseBatchArguments(Args(args));
    EXPECT_TRUE(request.Ok) << request.Error.toStdString();
    Captured c;
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* out = open_memstream(&buffer, &size);
    c.summary = RunBatch(request.Options, settings, out,
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
    BatchRequest r = ParseBatchArguments(Args("/MODE2 --batch 7 /MAXX10 --seed=42 --moves"));
    ASSERT_TRUE(r.Ok) << r.Error.toStdString();
    EXPECT_EQ(r.Options.Games, 7);
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
    Settings settings;
    settings.BoardWidth = 7;
    settings.BoardHeight = 5;
    settings.MidX = 2;
    settings.MidY = 3;
    const Captured run = PlayBatch("--batch 12 --seed 3 --moves", settings);
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
