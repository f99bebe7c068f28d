#pragma once
// What the score file procedures share: the busy pointer, the messages and bounded reading.

#include "BusyCursor.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvekin {

inline const QString ScoreInputError = QStringLiteral("スコアファイル入力エラーです。");
inline const QString ScoreOutputError = QStringLiteral("スコアファイル出力エラーです。");

// The hourglass while it lives, when there is a screen to show it on (a run without windows
// has none).
class ScoreBusyPointer {
public:
    ScoreBusyPointer();
    void Release();

private:
    std::optional<BusyCursor> busy_;
};

// MessageForm with the normal pointer over the message: the busy pointers of the callers are
// taken off while it is up and put back afterwards.
void ShowScoreMessage(const QString& text);

struct ScoreBytes {
    enum class Result { Read, Missing, Failed };
    Result Outcome = Result::Missing;
    QByteArray Bytes;
    QString Error;
};

// Reads a score file of at most ScoreFileByteLimit bytes. Only a regular file is opened, so a
// pipe or a device never blocks. With cutToLimit a larger file gives its first bytes instead
// of an error.
ScoreBytes LoadScoreBytes(const QString& path, bool cutToLimit = false);

} // namespace tolvekin
