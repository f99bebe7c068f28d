#include "BatchRun.h"

#include "Game.h"
#include "ScoreRecords.h"

#include <algorithm>

namespace tolvekin {
namespace {

// Value of an option given as "--key value" or "--key=value".
bool TakeValue(const QStringList& args, qsizetype& i, const QString& key, QString& value) {
    const QString& a = args[i];
    if (a == key) {
        if (i + 1 >= args.size() || args[i + 1].startsWith("--")) {
            value.clear();
            return true;
        }
        value = args[++i];
        return true;
    }
    if (a.startsWith(key + "=")) {
        value = a.mid(key.size() + 1);
        return true;
    }
    return false;
}

bool AllDigits(const QString& text) {
    if (text.isEmpty()) {
        return false;
    }
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            return false;
        }
    }
    return true;
}

// Hands each finished game to the result log, as the window does in automatic play.
class BatchRecorder : public NoRecorder {
public:
    explicit BatchRecorder(const std::function<void()>& onResult) : onResult_(onResult) {}
    void WriteAutoResult() override { onResult_(); }

private:
    std::function<void()> onResult_;
};

} // namespace

BatchRequest ParseBatchArguments(const QStringList& args) {
    BatchRequest request;
    request.IsBatch = args.contains("--batch") ||
                      std::any_of(args.begin(), args.end(),
                                  [](const QString& a) { return a.startsWith("--batch="); });
    if (!request.IsBatch) {
        return request;
    }
    bool haveGames = false;
    QString gamesText;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString value;
        if (TakeValue(args, i, "--batch", value)) {
            haveGames = true;
            gamesText = value;
        } else if (TakeValue(args, i, "--seed", value)) {
            if (!AllDigits(value)) {
                request.Error = value.isEmpty() ? "--seed needs a number"
                                                : "--seed: not an unsigned number: " + value;
                return request;
            }
            bool ok = false;
            request.Options.Seed = value.toULongLong(&ok);
            if (!ok) {
                request.Error = "--seed: number too large: " + value;
                return request;
            }
            request.Options.HasSeed = true;
        } else if (args[i] == "--moves") {
            request.Options.Moves = true;
        } else if (args[i].startsWith("--")) {
            request.Error = "unknown option: " + args[i];
            return request;
        } else {
            request.Options.Rest.append(args[i]);
        }
    }
    if (!haveGames || gamesText.isEmpty()) {
        request.Error = "--batch needs the number of games";
        return request;
    }
    const bool negative = gamesText.startsWith('-') && AllDigits(gamesText.mid(1));
    if (!AllDigits(gamesText) && !negative) {
        request.Error = "--batch: not a whole number: " + gamesText;
        return request;
    }
    bool ok = false;
    const qlonglong games = gamesText.toLongLong(&ok);
    if (negative || (ok && games < 1)) {
        request.Error = "--batch: the number of games must be at least 1, not " + gamesText;
        return request;
    }
    if (!ok || games > 1'000'000'000) {
        request.Error = "--batch: too many games: " + gamesText;
        return request;
    }
    request.Options.Games = static_cast<int>(games);
    request.Ok = true;
    return request;
}

BatchSummary RunBatch(const BatchOptions& options, Settings settings, std::FILE* out,
                      const std::function<void(const std::string&)>& appendLog) {
    settings.GameMode = 3;
    settings.FlashMove = false;
    MtRandom random(options.HasSeed ? options.Seed : ClockSeed());
    Game* current = nullptr;
    QuietView view;
    ManualClock clock([&](GameTimer timer) { current->Tick(timer); });
    BatchRecorder recorder([&] { appendLog(AutoResultLine(*current)); });
    Game game(settings, random, view, clock, recorder);
    current = &game;
    game.AllocateBoard();

    // The series runs as on the screen: "はじめる" once, then the clock's ticks play each game
    // and start the next, only without waiting.
    BatchSummary summary;
    std::string text;
    const int moveSlots = game.State.CellCount() - 4;
    game.RestartGame();
    game.PassClick();
    for (int n = 0; n < options.Games; ++n) {
        if (n > 0) {
            clock.Step(); // the restart tick
        }
        while (game.Phase() == GamePhase::AutoPlaying && clock.Step()) {
        }

        text.clear();
        if (options.Moves) {
            text += StartRecord(game.State.StartX, game.State.StartY);
            text += '\n';
            for (const std::string& line : MoveRecordLines(game.State.MoveRecord, moveSlots)) {
                text += line;
                text += '\n';
            }
        }
        text += AutoResultLine(game);
        text += '\n';
        std::fwrite(text.data(), 1, text.size(), out);

        const auto& t = game.State.Tally;
        ++summary.Games;
        if (t[Side1].Score > t[Side2].Score) {
            ++summary.WonBySide1;
        } else if (t[Side2].Score > t[Side1].Score) {
            ++summary.WonBySide2;
        } else {
            ++summary.Draws;
        }
    }
    const std::string last = SummaryLine(summary) + "\n";
    std::fwrite(last.data(), 1, last.size(), out);
    std::fflush(out);
    return summary;
}

std::string SummaryLine(const BatchSummary& s) {
    return "batch: " + std::to_string(s.Games) + " games, " + std::to_string(s.WonBySide1) +
           " won by side 1, " + std::to_string(s.WonBySide2) + " won by side 2, " +
           std::to_string(s.Draws) + " draws";
}

} // namespace tolvekin
