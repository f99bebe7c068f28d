#pragma once
// Long unattended series of computer-against-computer games without any window:
//   tolvekin --batch N [--seed S] [--moves] [--jobs J] [--game K] [--levels A,B]
//            [settings switches...]
// Each game's random draws depend only on the seed and the game's number, so the output is the
// same bytes for any number of threads, and one game can be played again alone.

#include "engine/PlayOptions.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace tolvekin {

struct BatchOptions {
    int Games = 0;
    bool HasSeed = false;
    uint64_t Seed = 0;
    bool Moves = false; // print each game's start and move records
    int Jobs = 0;       // threads; 0 for one a core
    int OnlyGame = 0;   // from 1: print only this game of the series, log nothing
    // Strength of side 1 and side 2 for every move (1 弱い, 2 強い, 3 名人); 0 for both: the
    // alternation of automatic play.
    std::array<int32_t, 2> Levels{};
    QStringList Rest; // what is left for the settings reader
};

struct BatchRequest {
    bool IsBatch = false; // --batch was given
    bool Ok = false;
    QString Error; // one line naming the problem when not Ok
    BatchOptions Options;
};

// Finds and removes the batch options. Without --batch the request is not a batch.
BatchRequest ParseBatchArguments(const QStringList& args);

struct BatchSummary {
    int Games = 0;
    int WonBySide1 = 0;
    int WonBySide2 = 0;
    int Draws = 0;
    std::string WriteError; // why the output could not be written; empty when it was
};

inline constexpr int MaxJobs = 256;
// The number of threads a run uses: the request, or one a core.
int JobsFor(const BatchOptions& options);

// Plays the games by the options as the settings file and command line gave them (no screen
// fitting, never a blinking piece), writes the lines of each game to out (UTF-8, LF) in the
// order of the games and hands each result line to appendLog, on the calling thread. Stops at
// the first failed write.
BatchSummary RunBatch(const BatchOptions& options, PlayOptions play, std::FILE* out,
                      const std::function<void(const std::string&)>& appendLog);

std::string SummaryLine(const BatchSummary& summary);

} // namespace tolvekin
