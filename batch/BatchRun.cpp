#include "batch/BatchRun.h"

#include "engine/Game.h"
#include "scores/ScoreRecords.h"

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

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

// A count option: a whole number from 1 to `most`. Returns false with the message in error.
bool TakeCount(const QString& key, const QString& value, const QString& what, qlonglong most,
               const QString& limit, int& count, QString& error) {
    if (value.isEmpty()) {
        error = key + " needs " + what;
        return false;
    }
    const bool negative = value.startsWith('-') && AllDigits(value.mid(1));
    if (!AllDigits(value) && !negative) {
        error = key + ": not a whole number: " + value;
        return false;
    }
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (negative || (ok && n < 1)) {
        error = key + ": must be at least 1, not " + value;
        return false;
    }
    if (!ok || n > most) {
        error = key + ": at most " + QString::number(most) + " " + limit + ", not " + value;
        return false;
    }
    count = static_cast<int>(n);
    return true;
}

// "A,B" with A and B each 1, 2 or 3.
bool TakeLevels(const QString& value, std::array<int32_t, 2>& levels, QString& error) {
    if (value.isEmpty()) {
        error = "--levels needs the strengths of side 1 and side 2, such as 3,2";
        return false;
    }
    const QStringList parts = value.split(',');
    const bool ok = parts.size() == 2 &&
                    std::all_of(parts.begin(), parts.end(),
                                [](const QString& p) { return p == "1" || p == "2" || p == "3"; });
    if (!ok) {
        error = "--levels: two strengths 1, 2 or 3 separated by a comma, not " + value;
        return false;
    }
    levels = {parts[0].toInt(), parts[1].toInt()};
    return true;
}

// --seed S: an unsigned 64-bit number.
bool TakeSeed(const QString& value, BatchOptions& options, QString& error) {
    if (!AllDigits(value)) {
        error =
            value.isEmpty() ? "--seed needs a number" : "--seed: not an unsigned number: " + value;
        return false;
    }
    bool ok = false;
    options.Seed = value.toULongLong(&ok);
    if (!ok) {
        error = "--seed: number too large: " + value;
        return false;
    }
    options.HasSeed = true;
    return true;
}

// --batch N: the number of games of the series, 1 to a billion.
bool TakeGames(const QString& text, int& games, QString& error) {
    if (text.isEmpty()) {
        error = "--batch needs the number of games";
        return false;
    }
    const bool negative = text.startsWith('-') && AllDigits(text.mid(1));
    if (!AllDigits(text) && !negative) {
        error = "--batch: not a whole number: " + text;
        return false;
    }
    bool ok = false;
    const qlonglong n = text.toLongLong(&ok);
    if (negative || (ok && n < 1)) {
        error = "--batch: the number of games must be at least 1, not " + text;
        return false;
    }
    if (!ok || n > 1'000'000'000) {
        error = "--batch: too many games: " + text;
        return false;
    }
    games = static_cast<int>(n);
    return true;
}

} // namespace

BatchRequest ParseBatchArguments(const QStringList& args) {
    BatchRequest request;
    request.IsBatch = args.contains("--batch") ||
                      std::any_of(args.begin(), args.end(),
                                  [](const QString& a) { return a.startsWith("--batch="); });
    if (!request.IsBatch) {
        return request;
    }
    BatchOptions& options = request.Options;
    QString& error = request.Error;
    std::optional<QString> gamesText;
    std::optional<QString> gameText;
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString value;
        if (TakeValue(args, i, "--batch", value)) {
            gamesText = value;
        } else if (TakeValue(args, i, "--seed", value)) {
            if (!TakeSeed(value, options, error)) {
                return request;
            }
        } else if (args[i] == "--moves") {
            options.Moves = true;
        } else if (TakeValue(args, i, "--jobs", value)) {
            if (!TakeCount("--jobs", value, "the number of threads", MaxJobs, "threads",
                           options.Jobs, error)) {
                return request;
            }
        } else if (TakeValue(args, i, "--levels", value)) {
            if (!TakeLevels(value, options.Levels, error)) {
                return request;
            }
        } else if (TakeValue(args, i, "--game", value)) {
            gameText = value;
        } else if (args[i].startsWith("--")) {
            error = "unknown option: " + args[i];
            return request;
        } else {
            options.Rest.append(args[i]);
        }
    }
    // The series' length first: --game is counted within it.
    if (!TakeGames(gamesText.value_or(QString()), options.Games, error)) {
        return request;
    }
    if (gameText.has_value()) {
        if (!TakeCount("--game", *gameText, "the number of a game of the series", options.Games,
                       "(the games of the series)", options.OnlyGame, error)) {
            return request;
        }
        if (!options.HasSeed) {
            error = "--game needs --seed: only a seeded series can be played again";
            return request;
        }
    }
    request.Ok = true;
    return request;
}

namespace {

// Games are handed out and written in blocks of this many: few hand-overs between threads,
// and only a few blocks wait for the writer at any time, so memory stays flat.
constexpr int GamesPerBlock = 64;

// What one thread needs to play: a game of its own with its own chance, clock and view.
class SeriesPlayer {
public:
    SeriesPlayer(const PlayOptions& play, const BatchOptions& options, uint64_t seed)
        : play_(play), seed_(seed), moves_(options.Moves) {
        play_.GameMode = 3;
        play_.FlashMove = false;
        clock_.SetHandler([this](GameTimer timer) { game_.Tick(timer); });
        game_.PlayMatch(options.Levels[0], options.Levels[1]);
        game_.AllocateBoard();
    }

    // Plays game number n (from 1) of the series and adds its lines to text.
    void Play(uint64_t n, std::string& text, std::string& resultLine, BatchSummary& tally) {
        random_.Start(seed_, n);
        // The series runs as on the screen: "はじめる" once, then the clock's ticks play each
        // game and start the next, only without waiting.
        if (!started_) {
            game_.RestartGame();
            game_.PassClick();
            started_ = true;
        } else {
            clock_.Step(); // the restart tick
        }
        while (game_.Phase() == GamePhase::AutoPlaying && clock_.Step()) {
        }
        const GameState& g = game_.State;
        if (moves_) {
            text += StartRecord(g.StartX, g.StartY);
            text += '\n';
            for (const std::string& line : MoveRecordLines(g.MoveRecord, g.CellCount() - 4)) {
                text += line;
                text += '\n';
            }
        }
        resultLine = AutoResultLine(game_);
        text += resultLine;
        text += '\n';
        ++tally.Games;
        if (g.Tally[Side1].Score > g.Tally[Side2].Score) {
            ++tally.WonBySide1;
        } else if (g.Tally[Side2].Score > g.Tally[Side1].Score) {
            ++tally.WonBySide2;
        } else {
            ++tally.Draws;
        }
    }

private:
    PlayOptions play_;
    uint64_t seed_;
    bool moves_;
    SeriesRandom random_;
    QuietView view_;
    ManualClock clock_;
    NoRecorder recorder_;
    Game game_{play_, random_, view_, clock_, recorder_};
    bool started_ = false;
};

struct Block {
    std::string text;
    std::vector<std::string> results;
    BatchSummary tally;
};

void PlayBlock(SeriesPlayer& player, int block, int games, Block& out) {
    const int first = block * GamesPerBlock + 1;
    const int last = std::min(games, first + GamesPerBlock - 1);
    out.results.resize(static_cast<size_t>(last - first + 1));
    for (int n = first; n <= last; ++n) {
        player.Play(static_cast<uint64_t>(n), out.text, out.results[static_cast<size_t>(n - first)],
                    out.tally);
    }
}

bool WriteAll(std::FILE* out, const std::string& text, std::string& error) {
    if (text.empty()) {
        return true;
    }
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
        error = errno != 0 ? std::strerror(errno) : "write error";
        return false;
    }
    return true;
}

// The blocks of a series in the order of their numbers, played by worker threads that run at
// most `window` blocks ahead of the writer.
class BlockQueue {
public:
    BlockQueue(int blocks, int window) : blocks_(blocks), window_(window), slots_(window) {}

    // Next block number for a worker, or -1 when there is none or the run was stopped.
    int Claim() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock,
                      [&] { return stopped_ || next_ >= blocks_ || next_ < written_ + window_; });
        if (stopped_ || next_ >= blocks_) {
            return -1;
        }
        return next_++;
    }
    void Deliver(int block, Block&& done) {
        std::lock_guard lock(mutex_);
        Slot& slot = slots_[static_cast<size_t>(block % window_)];
        slot.block = std::move(done);
        slot.ready = true;
        changed_.notify_all();
    }
    // The writer's next block, once it has been played.
    Block Take(int block) {
        std::unique_lock lock(mutex_);
        Slot& slot = slots_[static_cast<size_t>(block % window_)];
        changed_.wait(lock, [&] { return slot.ready; });
        slot.ready = false;
        written_ = block + 1;
        changed_.notify_all();
        return std::move(slot.block);
    }
    void Stop() {
        std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

private:
    struct Slot {
        Block block;
        bool ready = false;
    };
    const int blocks_;
    const int window_;
    std::vector<Slot> slots_;
    std::mutex mutex_;
    std::condition_variable changed_;
    int next_ = 0;
    int written_ = 0;
    bool stopped_ = false;
};

void Add(BatchSummary& sum, const BatchSummary& part) {
    sum.Games += part.Games;
    sum.WonBySide1 += part.WonBySide1;
    sum.WonBySide2 += part.WonBySide2;
    sum.Draws += part.Draws;
}

} // namespace

int JobsFor(const BatchOptions& options) {
    if (options.Jobs > 0) {
        return options.Jobs;
    }
    const unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, static_cast<unsigned>(MaxJobs)));
}

BatchSummary RunBatch(const BatchOptions& options, PlayOptions play, std::FILE* out,
                      const std::function<void(const std::string&)>& appendLog) {
    const uint64_t seed = options.HasSeed ? options.Seed : ClockSeed();
    BatchSummary summary;
    if (options.OnlyGame > 0) {
        // One game played again: its lines only, and nothing logged a second time.
        SeriesPlayer player(play, options, seed);
        std::string text;
        std::string result;
        player.Play(static_cast<uint64_t>(options.OnlyGame), text, result, summary);
        if (WriteAll(out, text, summary.WriteError) && std::fflush(out) != 0) {
            summary.WriteError = std::strerror(errno);
        }
        return summary;
    }

    const int blocks = (options.Games + GamesPerBlock - 1) / GamesPerBlock;
    const int jobs = std::min(JobsFor(options), blocks);
    // The writer hands out the results on this thread, in the order of the games.
    auto write = [&](Block& block) {
        for (const std::string& line : block.results) {
            appendLog(line);
        }
        Add(summary, block.tally);
        return WriteAll(out, block.text, summary.WriteError);
    };
    if (jobs <= 1) {
        SeriesPlayer player(play, options, seed);
        for (int b = 0; b < blocks; ++b) {
            Block block;
            PlayBlock(player, b, options.Games, block);
            if (!write(block)) {
                return summary;
            }
        }
    } else {
        BlockQueue queue(blocks, 2 * jobs);
        std::vector<std::thread> workers;
        workers.reserve(static_cast<size_t>(jobs));
        for (int j = 0; j < jobs; ++j) {
            workers.emplace_back([&] {
                SeriesPlayer player(play, options, seed);
                for (int b = queue.Claim(); b >= 0; b = queue.Claim()) {
                    Block block;
                    PlayBlock(player, b, options.Games, block);
                    queue.Deliver(b, std::move(block));
                }
            });
        }
        for (int b = 0; b < blocks; ++b) {
            Block block = queue.Take(b);
            if (!write(block)) {
                queue.Stop();
                break;
            }
        }
        queue.Stop();
        for (std::thread& t : workers) {
            t.join();
        }
        if (!summary.WriteError.empty()) {
            return summary;
        }
    }
    const std::string last = SummaryLine(summary) + "\n";
    if (WriteAll(out, last, summary.WriteError) && std::fflush(out) != 0) {
        summary.WriteError = std::strerror(errno);
    }
    return summary;
}

std::string SummaryLine(const BatchSummary& s) {
    return "batch: " + std::to_string(s.Games) + " games, " + std::to_string(s.WonBySide1) +
           " won by side 1, " + std::to_string(s.WonBySide2) + " won by side 2, " +
           std::to_string(s.Draws) + " draws";
}

} // namespace tolvekin
