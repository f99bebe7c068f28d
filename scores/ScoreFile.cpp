#include "ScoreFile.h"

#include "DialogSeam.h"
#include "ScoreFields.h"
#include "ScoreFileIo.h"
#include "ScoreRecords.h"
#include "TextFiles.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace tolvekin {
namespace {

const QChar BadByte(0xFFFD); // what a byte that is not Shift-JIS decodes to

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

void SetCount(ScoreTable& table, int count) {
    table.ScoreText[0][ScoreColCount] = QString::number(count);
    table.ScoreText[0][ScoreColScore] = QString::number(ScoreSentinel);
}

QString Quoted(QString text) {
    text.replace(u'"', QStringLiteral("”"));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return u'"' + text + u'"';
}

bool StartsWithHeader(const QString& text) {
    ScoreFieldReader reader(text);
    ScoreRecord record;
    int line = 0;
    return ReadScoreRecord(reader, record, line) == RecordRead::Ok &&
           record[0].startsWith(QStringLiteral("end"));
}

// A file at path that does not read as a table is copied to the backup name, so writing over
// it loses nothing. False when that copy could not be made.
bool KeepUnreadableFile(const ScoreTable& table, const QString& path, QString& error) {
    if (!QFileInfo(path).isFile()) {
        return true;
    }
    const ScoreBytes in = LoadScoreBytes(path);
    if (in.Outcome == ScoreBytes::Result::Read) {
        ScoreTable probe;
        probe.ResetGames(table.BoardWidth, table.BoardHeight);
        const QString text = DecodeCp932(in.Bytes);
        if (!ParseScoreText(text, probe, StartsWithHeader(text))) {
            return true;
        }
    }
    const QString backup = ScoreBackupName(path);
    QFile::remove(backup);
    QFile source(path);
    if (!source.copy(backup)) {
        error = QStringLiteral("読めないスコアファイルを %1 に残せません: %2")
                    .arg(backup, source.errorString());
        return false;
    }
    return true;
}

} // namespace

QString ScoreFileName(const QString& dataDir, int32_t gameMode, int32_t gameLevel,
                      int32_t boardWidth, int32_t boardHeight) {
    QString name = gameMode == 2    ? QStringLiteral("TLV2HIGH.TXT")
                   : gameLevel == 1 ? QStringLiteral("TLVAHIGH.TXT")
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

std::optional<QString> ParseScoreText(const QString& text, ScoreTable& table, bool skipHeader) {
    const int w = table.BoardWidth;
    const int h = table.BoardHeight;
    const int moveSlots = static_cast<int>(table.Games[0].Moves.size()) - 1;
    const int lastMove = w * h - 4; // a full game has no more placements
    ScoreFieldReader reader(text);
    ScoreRecord f;
    int line = 0;
    auto fail = [&](const QString& what) -> std::optional<QString> {
        SetCount(table, 0);
        return QStringLiteral("%1行目: %2").arg(line).arg(what);
    };

    if (skipHeader && ReadScoreRecord(reader, f, line) == RecordRead::CutShort) {
        return fail(QStringLiteral("記録が途中で終わっています"));
    }
    int d = 0; // entry
    int k = 0; // move of the entry
    for (;;) {
        const RecordRead read = ReadScoreRecord(reader, f, line);
        if (read == RecordRead::End) {
            break;
        }
        if (read == RecordRead::CutShort) {
            return fail(QStringLiteral("記録が途中で終わっています"));
        }
        for (const QString& field : f) {
            if (field.contains(BadByte)) {
                return fail(QStringLiteral("シフトJISとして読めない文字があります"));
            }
        }
        GameRecord& game = table.Games[static_cast<size_t>(d)];
        if (f[0] == u"ini") {
            const QString& corner = f[1];
            if (!AllDigits(corner) || corner.size() > 4) {
                return fail(QStringLiteral("開始位置「%1」が読めません").arg(corner));
            }
            const int x = Digits(corner, 0, std::min<qsizetype>(2, corner.size()));
            const int y = Digits(corner, std::max<qsizetype>(0, corner.size() - 2),
                                 std::min<qsizetype>(2, corner.size()));
            // The initial block must lie on the board; a column of 0 means the centre.
            const bool centre = x == 0 && y >= 0 && y < h;
            if (!centre && (x < 1 || x >= w || y < 1 || y >= h)) {
                return fail(QStringLiteral("開始位置「%1」が盤の外です").arg(corner));
            }
            game.StartX = x;
            game.StartY = y;
        } else if (f[0] == u"rec") {
            for (size_t t = 1; t < f.size(); ++t) {
                if (++k > moveSlots) {
                    return fail(QStringLiteral("手の数が盤の大きさを超えています"));
                }
                const std::optional<MoveRow> move = DecodeToken(f[t]);
                if (!move) {
                    return fail(QStringLiteral("手の記録「%1」が読めません").arg(f[t]));
                }
                const MoveRow& m = *move;
                if (m[1] == 0) {
                    game.Moves[static_cast<size_t>(k)] = MoveRow{};
                    continue;
                }
                if (m[1] > 2 || m[2] > 7 || m[3] < 1 || m[3] > w || m[4] < 1 || m[4] > h) {
                    return fail(QStringLiteral("手の記録「%1」が盤の外です").arg(f[t]));
                }
                if (k > lastMove) {
                    return fail(QStringLiteral("手の数が盤の大きさを超えています"));
                }
                game.Moves[static_cast<size_t>(k)] = m;
            }
        } else {
            k = 0;
            if (++d > MaxScoreEntries) {
                d = MaxScoreEntries; // an eleventh entry ends the table
                break;
            }
            const QString& score = f[ScoreColScore - 1];
            if (!AllDigits(score) || score.size() > 5 || score.toInt() >= ScoreSentinel) {
                return fail(QStringLiteral("点数「%1」が正しくありません").arg(score));
            }
            for (int c = 1; c <= 7; ++c) {
                table.ScoreText[static_cast<size_t>(d)][static_cast<size_t>(c)] =
                    f[static_cast<size_t>(c - 1)];
            }
        }
    }
    SetCount(table, d);
    return std::nullopt;
}

bool ReadScoreHeader(ScoreTable& table, const QString& path) {
    table.ClearText();
    const ScoreBytes in = LoadScoreBytes(path, true);
    if (in.Outcome == ScoreBytes::Result::Missing) {
        return false;
    }
    if (in.Outcome == ScoreBytes::Result::Failed) {
        ShowScoreMessage(ScoreInputError + u'\n' + in.Error);
        return false;
    }
    const QString text = DecodeCp932(in.Bytes);
    ScoreFieldReader reader(text);
    ScoreRecord f;
    int line = 0;
    if (ReadScoreRecord(reader, f, line) != RecordRead::Ok ||
        !f[0].startsWith(QStringLiteral("end"))) {
        return false;
    }
    auto& row = table.ScoreText[0];
    for (size_t c = 1; c <= 7; ++c) {
        row[c] = f[c - 1];
    }
    row[ScoreColCount] = f[0].mid(4);
    return true;
}

bool ReadScoreFile(ScoreTable& table, const QString& path, int32_t boardWidth, int32_t boardHeight,
                   bool skipHeader) {
    ScoreBusyPointer busy;
    table.ResetGames(boardWidth, boardHeight);
    table.ScoreFilePath = path;
    if (skipHeader) {
        for (size_t r = 1; r < table.ScoreText.size(); ++r) {
            table.ScoreText[r].fill(QString());
        }
    } else {
        table.ClearText();
    }
    const ScoreBytes in = LoadScoreBytes(path);
    std::optional<QString> error;
    if (in.Outcome == ScoreBytes::Result::Missing) {
        SetCount(table, 0);
        return true;
    }
    if (in.Outcome == ScoreBytes::Result::Failed) {
        error = in.Error;
    } else {
        error = ParseScoreText(DecodeCp932(in.Bytes), table, skipHeader);
    }
    if (!error) {
        return true;
    }
    SetCount(table, 0);
    busy.Release();
    if (MessageFormLoaded()) {
        UnloadMessageForm(); // the wait note of a score being recorded
    }
    ShowScoreMessage(ScoreInputError + u'\n' + *error);
    return false;
}

bool WriteScoreFile(const ScoreTable& table, const QString& path) {
    ScoreBusyPointer busy;
    const int n = table.EntryCount();
    const auto& text = table.ScoreText;
    QStringList lines;
    QString header = Quoted(QStringLiteral("end ") + QString::number(n));
    for (size_t c = 2; c <= 7; ++c) {
        header += u',' + Quoted(text[static_cast<size_t>(n)][c]);
    }
    lines.append(header);
    const int moves = table.BoardWidth * table.BoardHeight - 4;
    for (size_t w = 1; w <= static_cast<size_t>(n); ++w) {
        QString entry = Quoted(text[w][1]);
        for (size_t c = 2; c <= 7; ++c) {
            entry += u',' + Quoted(text[w][c]);
        }
        lines.append(entry);
        const GameRecord& game = table.Games[w];
        lines.append(QString::fromStdString(StartRecord(game.StartX, game.StartY)));
        for (const std::string& line : MoveRecordLines(game.Moves, moves)) {
            lines.append(QString::fromStdString(line));
        }
    }
    QString error;
    if (KeepUnreadableFile(table, path, error) && WriteTextLines(path, lines, &error)) {
        return true;
    }
    busy.Release();
    ShowScoreMessage(ScoreOutputError + u'\n' + error + u'\n' +
                     QStringLiteral("前のスコアファイルはそのまま残っています。"));
    return false;
}

} // namespace tolvekin
