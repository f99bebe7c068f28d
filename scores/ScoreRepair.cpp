#include "common/files/RegularFiles.h"
#include "common/files/SavedFiles.h"
#include "common/files/TextFiles.h"
#include "scores/ScoreFile.h"
#include "scores/ScoreFileIo.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace tolvekin {
namespace {

QString TrimSpaces(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') {
        ++begin;
    }
    while (end > begin && text[end - 1] == u' ') {
        --end;
    }
    return text.mid(begin, end - begin);
}

// Cuts s at its seventh field separator or widens it to six. Fields are told apart as the
// reader tells them: a field that begins with a double quote runs to the next one, so a comma
// in a name does not separate and a stray quote inside a name changes nothing. A quote the
// line leaves open is closed, so that the fields added after it stay fields.
void SevenFields(QString& s) {
    int commas = 0;
    qsizetype i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == u' ' || s[i] == u'\t')) {
            ++i;
        }
        if (i < s.size() && s[i] == u'"') {
            const qsizetype close = s.indexOf(u'"', i + 1);
            if (close < 0) {
                s += u'"';
                break;
            }
            i = close + 1;
        }
        while (i < s.size() && s[i] != u',') {
            ++i;
        }
        if (i >= s.size()) {
            break;
        }
        if (++commas == 7) {
            s.truncate(i);
            commas = 6;
            break;
        }
        ++i;
    }
    for (; commas < 6; ++commas) {
        s += QStringLiteral(",000000");
    }
}

// The backup of the file as it is now: under the backup name unless that already holds
// something else, which is never written over.
QString BackupPathFor(const QString& path, const QByteArray& bytes, const QDateTime& when) {
    const QString backup = ScoreBackupName(path);
    const QFileInfo info(backup);
    if (!info.exists() && !info.isSymLink()) {
        return backup;
    }
    const ScoreBytes old = LoadScoreBytes(backup, bytes.size());
    if (old.Outcome == ScoreBytes::Result::Read && old.Bytes == bytes) {
        return backup;
    }
    return KeptCopyName(path, when);
}

} // namespace

QString RepairScoreLine(const QString& line) {
    QString s = TrimSpaces(line);
    if (s.endsWith(u',')) {
        s += u'0';
    }
    SevenFields(s);
    // A cut at the seventh comma can leave blanks or an empty last field at the end.
    s = TrimSpaces(s);
    if (s.endsWith(u',')) {
        s += u'0';
    }
    if (s.startsWith(QStringLiteral("rec"))) {
        s.remove(u' ');
        // An unplayed move was once the single token 0.
        for (qsizetype at; (at = s.indexOf(QStringLiteral(",0,"))) >= 0;) {
            s.replace(at, 3, QStringLiteral(",000000,"));
        }
        if (s.endsWith(QStringLiteral(",0"))) {
            s += QStringLiteral("00000");
        }
    }
    return s;
}

bool IsCurrentScoreLine(const QString& line) {
    static const QRegularExpression current(
        QStringLiteral(R"(^(?:"[^"]*"(?:,"[^"]*"){6}|ini,\d{4},0,0,0,0,0|rec(?:,\d{6}){6})$)"));
    return current.match(line).hasMatch();
}

ScoreFileOutcome RepairScoreFile(const QString& path, int32_t boardWidth, int32_t boardHeight,
                                 const QDateTime& when) {
    ScoreBusyPointer busy;
    const ScoreFileOutcome done{true, RepairDoneText};
    const ScoreBytes in = LoadScoreBytes(path, ScoreFileByteLimit);
    if (in.Outcome == ScoreBytes::Result::Missing) {
        return done; // nothing to repair, and a backup stays as it is
    }
    if (in.Outcome == ScoreBytes::Result::Failed) {
        return {false, ScoreInputError + u'\n' + in.Error};
    }
    const QString text = DecodeCp932(in.Bytes);
    const QStringList before = SplitLines(text);
    QStringList repaired;
    for (const QString& line : before) {
        if (IsCurrentScoreLine(line)) {
            repaired.append(line);
        } else if (!TrimSpaces(line).isEmpty()) { // a blank line would become an empty entry
            repaired.append(RepairScoreLine(line));
        }
    }
    if (repaired == before) {
        return done;
    }
    // A table that reads must still read afterwards.
    ScoreTable probe;
    probe.Reset(boardWidth, boardHeight);
    if (!ParseScoreText(text, probe) && ParseScoreText(repaired.join(u'\n'), probe)) {
        return {true,
                QStringLiteral("このスコアファイルは読めるため、修復せずにそのままにしました。")};
    }
    if (const std::optional<QString> refusal = WriteRefusal(path)) {
        return {false, ScoreInputError + u'\n' + *refusal};
    }
    const QString backup = BackupPathFor(path, in.Bytes, when);
    QString error;
    if (!SaveFileBytes(backup, in.Bytes, &error)) {
        return {false,
                ScoreInputError + u'\n' +
                    QStringLiteral("修復前のファイルを %1 に残せないため、修復しませんでした。")
                        .arg(QFileInfo(backup).fileName()) +
                    u'\n' + error};
    }
    if (!WriteTextLines(path, repaired, &error)) {
        const ScoreBytes now = LoadScoreBytes(path, in.Bytes.size() + 1);
        const bool unchanged = now.Outcome == ScoreBytes::Result::Read && now.Bytes == in.Bytes;
        return {false, ScoreInputError + u'\n' + error + u'\n' +
                           (unchanged ? QStringLiteral("スコアファイルは修復前のままです。")
                                      : QStringLiteral("修復前のファイルは %1 に残っています。")
                                            .arg(QFileInfo(backup).fileName()))};
    }
    return {true, RepairDoneText + u'\n' +
                      QStringLiteral("修復前のファイルは %1 に残しました。")
                          .arg(QFileInfo(backup).fileName())};
}

} // namespace tolvekin
