#include "scores/ScoreFile.h"

#include "common/files/FileErrors.h"
#include "common/files/RegularFiles.h"
#include "common/files/SavedFiles.h"
#include "common/files/TextFiles.h"
#include "common/text/Utf8Text.h"
#include "scores/ScoreFields.h"
#include "scores/ScoreFileIo.h"
#include "scores/ScoreRecords.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>

namespace tolvekin {
namespace {

const QChar BadByte(0xFFFD); // what a byte that is not Shift-JIS decodes to

// A damaged file is kept whole before it is written over, however large it grew.
constexpr qint64 KeptCopyByteLimit = 256 * 1024 * 1024;

const QString FolderInPlace = QStringLiteral("スコアファイルの名前のフォルダがあります: ");
const QString PreviousFileKept = QStringLiteral("前のスコアファイルはそのまま残っています。");

QString TwoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0'));
}

bool AllDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

int Digits(const QString& text, qsizetype from, qsizetype count) {
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
    }
    return value;
}

QString FileNameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

// Side, colour, column and row of a move token: six digits (1, 1, 2, 2), or four single
// digits as older versions wrote them.
std::optional<MoveRow> DecodeToken(const QString& token) {
    if (!AllDigits(token)) {
        return std::nullopt;
    }
    if (token.size() == 4) {
        return MoveRow{
            0, static_cast<int16_t>(Digits(token, 0, 1)), static_cast<int16_t>(Digits(token, 1, 1)),
            static_cast<int16_t>(Digits(token, 2, 1)), static_cast<int16_t>(Digits(token, 3, 1))};
    }
    if (token.size() == 6) {
        return MoveRow{
            0, static_cast<int16_t>(Digits(token, 0, 1)), static_cast<int16_t>(Digits(token, 1, 1)),
            static_cast<int16_t>(Digits(token, 2, 2)), static_cast<int16_t>(Digits(token, 4, 2))};
    }
    return std::nullopt;
}

// Reads the records of a file's text one after another into a table. Start and move records
// belong to the entry record above them; those before the first entry are read and dropped.
class ScoreTextParser {
public:
    ScoreTextParser(const QString& text, ScoreTable& table)
        : reader_(text), table_(table), w_(table.BoardWidth), h_(table.BoardHeight),
          moveSlots_(MoveSlots(w_, h_)) {
        orphan_.Reset(w_, h_);
    }

    std::optional<QString> Run() {
        if (std::optional<QString> damage = SkipHeader()) {
            return damage;
        }
        for (;;) {
            const RecordRead read = ReadScoreRecord(reader_, f_, line_);
            if (read == RecordRead::End) {
                return std::nullopt;
            }
            std::optional<QString> damage;
            if (read == RecordRead::CutShort) {
                damage = QStringLiteral("記録が途中で終わっています");
            } else if (!Decodable()) {
                damage = QStringLiteral("シフトJISとして読めない文字があります");
            } else if (f_[0] == u"ini") {
                damage = ReadStart(CurrentGame());
            } else if (f_[0] == u"rec") {
                damage = ReadMoves(CurrentGame());
            } else if (table_.EntryCount() == MaxScoreEntries) {
                return std::nullopt; // an eleventh entry ends the table
            } else {
                damage = ReadEntry();
            }
            if (damage) {
                return Damaged(*damage);
            }
        }
    }

private:
    std::optional<QString> SkipHeader() {
        ScoreFieldReader probe = reader_;
        ScoreRecord first;
        int line = 0;
        const RecordRead read = ReadScoreRecord(probe, first, line);
        if (read == RecordRead::Ok && first[0].startsWith(QStringLiteral("end"))) {
            reader_ = probe;
        } else if (read == RecordRead::CutShort && first[0].startsWith(QStringLiteral("end"))) {
            line_ = line;
            return Damaged(QStringLiteral("記録が途中で終わっています"));
        }
        return std::nullopt;
    }

    bool Decodable() const {
        return std::none_of(f_.begin(), f_.end(),
                            [](const QString& field) { return field.contains(BadByte); });
    }

    GameRecord& CurrentGame() {
        return table_.Entries.empty() ? orphan_ : table_.Entries.back().Game;
    }

    // The damage with its line. An entry whose start or move records are damaged is not whole
    // and goes; the entries before it stay.
    QString Damaged(const QString& what) {
        const bool inGame = f_[0] == u"ini" || f_[0] == u"rec";
        if (inGame && !table_.Entries.empty()) {
            table_.Entries.pop_back();
        }
        return QStringLiteral("%1行目: %2").arg(line_).arg(what);
    }

    // "ini": the initial block, which must lie on the board; a column of 0 means the centre.
    std::optional<QString> ReadStart(GameRecord& game) {
        const QString& corner = f_[1];
        if (!AllDigits(corner) || corner.size() > 4) {
            return QStringLiteral("開始位置「%1」が読めません").arg(corner);
        }
        const int x = Digits(corner, 0, std::min<qsizetype>(2, corner.size()));
        const int y = Digits(corner, std::max<qsizetype>(0, corner.size() - 2),
                             std::min<qsizetype>(2, corner.size()));
        const bool centre = x == 0 && y >= 0 && y < h_;
        if (!centre && (x < 1 || x >= w_ || y < 1 || y >= h_)) {
            return QStringLiteral("開始位置「%1」が盤の外です").arg(corner);
        }
        game.StartX = x;
        game.StartY = y;
        return std::nullopt;
    }

    // "rec": six more placements of the game, each on the board and within a full game.
    std::optional<QString> ReadMoves(GameRecord& game) {
        const int lastMove = w_ * h_ - 4;
        for (size_t t = 1; t < f_.size(); ++t) {
            if (++moves_ > moveSlots_) {
                return QStringLiteral("手の数が盤の大きさを超えています");
            }
            const std::optional<MoveRow> move = DecodeToken(f_[t]);
            if (!move) {
                return QStringLiteral("手の記録「%1」が読めません").arg(f_[t]);
            }
            const MoveRow& m = *move;
            if (m[1] == 0) {
                game.Moves[static_cast<size_t>(moves_)] = MoveRow{};
                continue;
            }
            if (m[1] > 2 || m[2] > 7 || m[3] < 1 || m[3] > w_ || m[4] < 1 || m[4] > h_) {
                return QStringLiteral("手の記録「%1」が盤の外です").arg(f_[t]);
            }
            if (moves_ > lastMove) {
                return QStringLiteral("手の数が盤の大きさを超えています");
            }
            game.Moves[static_cast<size_t>(moves_)] = m;
        }
        return std::nullopt;
    }

    // Any other record is the next entry: place, name, score, date, pieces, black pieces and
    // colours. The place is the entry's row; only the score must be a plain number.
    std::optional<QString> ReadEntry() {
        const QString& score = f_[2];
        if (!AllDigits(score) || score.size() > 5 || score.toInt() >= ScoreSentinel) {
            return QStringLiteral("点数「%1」が正しくありません").arg(score);
        }
        moves_ = 0;
        ScoreEntry entry = table_.EmptyEntry();
        entry.Name = f_[1];
        entry.Score = score.toInt();
        entry.Date = f_[3];
        entry.Pieces = ScoreNumber(f_[4]);
        entry.BlackPieces = ScoreNumber(f_[5]);
        entry.Colours = ScoreNumber(f_[6]);
        table_.Entries.push_back(std::move(entry));
        return std::nullopt;
    }

    ScoreFieldReader reader_;
    ScoreTable& table_;
    const int w_;
    const int h_;
    const int moveSlots_;
    GameRecord orphan_;
    ScoreRecord f_;
    int line_ = 0;
    int moves_ = 0; // placements read for the current entry
};

QString Quoted(QString text) {
    text.replace(u'"', QStringLiteral("”"));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return u'"' + text + u'"';
}

QString QuotedFields(const QString& first, const ScoreEntry& e) {
    return Quoted(first) + u',' + Quoted(e.Name) + u',' + Quoted(QString::number(e.Score)) + u',' +
           Quoted(e.Date) + u',' + Quoted(QString::number(e.Pieces)) + u',' +
           Quoted(QString::number(e.BlackPieces)) + u',' + Quoted(QString::number(e.Colours));
}

// The lines of the file: the header repeating the last entry, then each entry with its game.
QStringList ScoreFileLines(const ScoreTable& table) {
    const int n = table.EntryCount();
    QStringList lines;
    const QString count = QStringLiteral("end ") + QString::number(n);
    if (n == 0) {
        lines.append(Quoted(count) + QStringLiteral(R"(,"","","","","","")"));
    } else {
        lines.append(QuotedFields(count, table.AtPlace(n)));
    }
    const int moves = table.BoardWidth * table.BoardHeight - 4;
    for (int place = 1; place <= n; ++place) {
        const ScoreEntry& entry = table.AtPlace(place);
        lines.append(QuotedFields(QString::number(place), entry));
        lines.append(Q(StartRecord(entry.Game.StartX, entry.Game.StartY)));
        for (const std::string& line : MoveRecordLines(entry.Game.Moves, moves)) {
            lines.append(Q(line));
        }
    }
    return lines;
}

// True when the bytes of a score file read as a table of the board.
bool ReadsAsTable(const QByteArray& bytes, const ScoreTable& like) {
    if (bytes.size() > ScoreFileByteLimit) {
        return false;
    }
    ScoreTable probe;
    probe.Reset(like.BoardWidth, like.BoardHeight);
    return !ParseScoreText(DecodeCp932(bytes), probe);
}

// The file's bytes kept whole under KeptCopyName; the copy's path, or the description of what
// failed.
std::optional<QString> KeepCopy(const QString& path, const QByteArray& bytes, const QDateTime& when,
                                QString& error) {
    const QString copy = KeptCopyName(path, when);
    if (!SaveFileBytes(copy, bytes, &error)) {
        error = FileNameOf(copy) + QStringLiteral(": ") + error;
        return std::nullopt;
    }
    return copy;
}

// What a failed write left of the file that was there before, in words that are true.
QString WhatWasLeft(const QString& path, const std::optional<QByteArray>& before) {
    if (!before) {
        return QString(); // there was no score file
    }
    const ScoreBytes now = LoadScoreBytes(path, KeptCopyByteLimit);
    if (now.Outcome == ScoreBytes::Result::Read && now.Bytes == *before) {
        return u'\n' + PreviousFileKept;
    }
    return u'\n' + QStringLiteral("前のスコアファイルは書き換えの途中で変わってしまいました。");
}

} // namespace

QString ScoreFileName(const QString& dataDir, int32_t gameMode, int32_t gameLevel,
                      int32_t boardWidth, int32_t boardHeight) {
    QString name = gameMode == 2    ? QStringLiteral("TLV2HIGH.TXT")
                   : gameLevel == 1 ? QStringLiteral("TLVAHIGH.TXT")
                   : gameLevel == 3 ? QStringLiteral("TLVCHIGH.TXT")
                                    : QStringLiteral("TLVBHIGH.TXT");
    if (boardWidth != 8 || boardHeight != 8) {
        name = name.left(4) + TwoDigits(boardHeight) + TwoDigits(boardWidth) + name.mid(8);
    }
    return dataDir + name;
}

QString ScoreBackupName(const QString& scorePath) {
    if (scorePath.size() < 3) {
        return scorePath + QStringLiteral(".bak");
    }
    return scorePath.chopped(3) + QStringLiteral("bak");
}

QString KeptCopyName(const QString& path, const QDateTime& when) {
    const QString name = FileNameOf(path);
    const QString folder = path.left(path.size() - name.size());
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    const QString stamp = base + u'-' + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = folder + stamp + ext;
    for (int n = 2; QFileInfo::exists(candidate) || QFileInfo(candidate).isSymLink(); ++n) {
        candidate = folder + stamp + u'-' + QString::number(n) + ext;
    }
    return candidate;
}

std::optional<QString> ParseScoreText(const QString& text, ScoreTable& table) {
    table.Entries.clear();
    table.NewPlace = 0;
    return ScoreTextParser(text, table).Run();
}

std::optional<ScoreHeader> ReadScoreHeader(const QString& path) {
    // The first record alone decides; a name never runs to this length.
    const ScoreBytes in = LoadScoreBytes(path, 64 * 1024, true);
    if (in.Outcome != ScoreBytes::Result::Read) {
        return std::nullopt;
    }
    const QString text = DecodeCp932(in.Bytes);
    ScoreFieldReader reader(text);
    ScoreRecord f;
    int line = 0;
    if (ReadScoreRecord(reader, f, line) != RecordRead::Ok ||
        !f[0].startsWith(QStringLiteral("end"))) {
        return std::nullopt;
    }
    return ScoreHeader{ScoreNumber(f[0].mid(4)), ScoreNumber(f[2])};
}

ScoreFileOutcome LoadScoreTable(ScoreTable& table, const QString& path, int32_t boardWidth,
                                int32_t boardHeight) {
    ScoreBusyPointer busy;
    table.Reset(boardWidth, boardHeight);
    table.ScoreFilePath = path;
    const ScoreBytes in = LoadScoreBytes(path, ScoreFileByteLimit);
    if (in.Outcome == ScoreBytes::Result::Missing) {
        return {};
    }
    if (in.Outcome == ScoreBytes::Result::Failed) {
        return {false, ScoreInputError + u'\n' + in.Error};
    }
    const std::optional<QString> damage = ParseScoreText(DecodeCp932(in.Bytes), table);
    if (!damage) {
        return {};
    }
    const int n = table.EntryCount();
    return {false, ScoreInputError + u'\n' + FileNameOf(path) + QStringLiteral(" の ") + *damage +
                       u'\n' +
                       (n == 0 ? QStringLiteral("読めた記録はありません。")
                               : QStringLiteral("その前の読めた記録 %1 件を使います。").arg(n))};
}

ScoreFileOutcome WriteScoreFile(const ScoreTable& table, const QString& path,
                                const QDateTime& when) {
    ScoreBusyPointer busy;
    const QStringList lines = ScoreFileLines(table);
    const QFileInfo info(path);
    if (info.isDir()) {
        return {false, ScoreOutputError + u'\n' + FolderInPlace + info.fileName()};
    }
    // Nothing is read, kept or written for a file that is no regular file of the folder.
    if (const std::optional<QString> refusal = WriteRefusal(path)) {
        return {false, ScoreOutputError + u'\n' + *refusal};
    }
    std::optional<QByteArray> before;
    std::optional<QString> kept;
    QString error;
    if (info.isFile()) {
        const ScoreBytes in = LoadScoreBytes(path, KeptCopyByteLimit);
        if (in.Outcome == ScoreBytes::Result::Read) {
            before = in.Bytes;
        }
        // A file that does not read is kept whole before anything is written over it.
        bool safe = false;
        if (!before) {
            error = in.Error;
        } else if (ReadsAsTable(*before, table)) {
            safe = true;
        } else {
            kept = KeepCopy(path, *before, when, error);
            safe = kept.has_value();
        }
        if (!safe) {
            return {false, ScoreOutputError + u'\n' +
                               QStringLiteral("読めないスコアファイルを別の名前で残せないため、"
                                              "書き込みませんでした。") +
                               u'\n' + error + u'\n' + PreviousFileKept};
        }
    }
    if (!WriteTextLines(path, lines, &error)) {
        QString message = ScoreOutputError + u'\n' + error + WhatWasLeft(path, before);
        if (kept) {
            message += u'\n' + QStringLiteral("読めなかったスコアファイルは %1 にも残しました。")
                                   .arg(FileNameOf(*kept));
        }
        return {false, message};
    }
    if (kept) {
        return {true, QStringLiteral("読めなかったスコアファイルを %1 として残しました。")
                          .arg(FileNameOf(*kept))};
    }
    return {};
}

ScoreFileOutcome ClearScoreFile(const QString& path) {
    const QFileInfo info(path);
    const QString failed = QStringLiteral("スコアファイルを消せません。\n");
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        return {false, failed + info.fileName() + QStringLiteral(": ") + FileErrorText(errno)};
    }
    if (info.isDir()) {
        return {false, failed + FolderInPlace + info.fileName()};
    }
    QFile file(path);
    if (!file.remove()) {
        return {false, failed + info.fileName() + QStringLiteral(": ") +
                           JapaneseFileError(file.errorString())};
    }
    return {};
}

std::optional<QString> ScoreNameRefusal(const QString& name) {
    if (name.contains(u'"')) {
        return QStringLiteral("名前に｢") + QChar(u'"') + QStringLiteral("｣は使えません");
    }
    return std::nullopt;
}

} // namespace tolvekin
