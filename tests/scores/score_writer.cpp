// Writes two different large score tables over one file, one after the other, until it is
// killed. Says "ready" once the first write is done. Used by the kill test.

#include "scores/ScoreFile.h"
#include "tests/scores/ScoreTables.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: score_writer FILE\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const tolvekin::ScoreTable tables[2] = {tolvekin::test::MakeScoreTable(38, 26, 10, 1),
                                            tolvekin::test::MakeScoreTable(38, 26, 10, 2)};
    for (unsigned long i = 0;; ++i) {
        if (!tolvekin::WriteScoreFile(tables[(i + 1) % 2], path).Ok) {
            return 1;
        }
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
