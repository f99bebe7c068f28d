#pragma once
// Long unattended series of computer-against-computer games without any window:
//   tolvekin --batch N [--seed S] [--moves] [settings switches...]

#include "Settings.h"

#include <QStringList>

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
    QStringList Rest;   // what is left for the settings reader
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
};

// Plays the games with the settings as read (no screen fitting, never a blinking piece),
// writes the lines of each game to out (UTF-8, LF) and hands each result line to appendLog.
BatchSummary RunBatch(const BatchOptions& options, Settings settings, std::FILE* out,
                      const std::function<void(const std::string&)>& appendLog);

std::string SummaryLine(const BatchSummary& summary);

} // namespace tolvekin
