#include "DialogSeam.h"
#include "ScoreFile.h"
#include "ScoreFileIo.h"
#include "TextFiles.h"

#include <QSaveFile>

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

// The backup gets exactly the bytes that were read, replacing an older backup in one step.
bool WriteBackup(const QString& path, const QByteArray& bytes, QString& error) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return true;
    }
    error = path + QStringLiteral(": ") + file.errorString();
    file.cancelWriting();
    return false;
}

void ShowRepairError(const QString& error) {
    if (MessageFormLoaded()) {
        UnloadMessageForm();
    }
    ShowScoreMessage(ScoreInputError + u'\n' + error);
}

} // namespace

QString RepairScoreLine(const QString& line) {
    QString s = TrimSpaces(line);
    if (s.endsWith(u',')) {
        s += u'0';
    }
    // Seven fields: cut at the seventh comma, or widen to six commas. Commas inside a quoted
    // name or comment do not count.
    int commas = 0;
    bool quoted = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'"') {
            quoted = !quoted;
        } else if (s[i] == u',' && !quoted && ++commas == 7) {
            s.truncate(i);
            commas = 6;
            break;
        }
    }
    for (; commas < 6; ++commas) {
        s += QStringLiteral(",000000");
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

bool RepairScoreFile(const QString& path) {
    ScoreBusyPointer busy;
    const ScoreBytes in = LoadScoreBytes(path);
    if (in.Outcome == ScoreBytes::Result::Missing) {
        return true; // nothing to repair, and an older backup stays
    }
    QString error;
    if (in.Outcome == ScoreBytes::Result::Failed) {
        error = in.Error;
    } else if (WriteBackup(ScoreBackupName(path), in.Bytes, error)) {
        QStringList repaired;
        for (const QString& line : SplitLines(DecodeCp932(in.Bytes))) {
            if (!TrimSpaces(line).isEmpty()) { // a blank line would turn into an empty entry
                repaired.append(RepairScoreLine(line));
            }
        }
        if (WriteTextLines(path, repaired, &error)) {
            return true;
        }
    }
    busy.Release();
    ShowRepairError(error);
    return false;
}

} // namespace tolvekin
