#pragma once
// What the score file procedures share: the busy pointer and bounded reading.

#include "common/dialogs/BusyCursor.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tolvekin {

// The hourglass while it lives, when there is a screen to show it on (a run without windows
// has none).
class ScoreBusyPointer {
public:
    ScoreBusyPointer();
    void Release();

private:
    std::optional<BusyCursor> busy_;
};

struct ScoreBytes {
    enum class Result { Read, Missing, Failed };
    Result Outcome = Result::Missing;
    QByteArray Bytes;
    QString Error;
};

// Reads a score file of at most limit bytes. Only a regular file is opened, so a pipe or a
// device never blocks; a folder in its place is a failure that says so. With cutToLimit a
// larger file gives its first bytes instead of a failure.
ScoreBytes LoadScoreBytes(const QString& path, qint64 limit, bool cutToLimit = false);

} // namespace tolvekin
