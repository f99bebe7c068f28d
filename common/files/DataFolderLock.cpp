#include "common/files/DataFolderLock.h"

namespace tolvekin {

DataFolderLock::DataFolderLock(const QString& dataDir) : lock_(dataDir + FileName()) {
    // Only a holder that no longer runs makes the lock stale, however long the game has run.
    lock_.setStaleLockTime(0);
}

DataFolderLock::Result DataFolderLock::Take() {
    if (lock_.tryLock(0)) {
        return Result::Held;
    }
    return lock_.error() == QLockFile::LockFailedError ? Result::Busy : Result::Unavailable;
}

QString FolderInUseText() {
    return QStringLiteral("このフォルダでは、もうひとつのぽるぽらが動いています。\n"
                          "同じフォルダの記録やとりきめが消えないよう、"
                          "先に動いている方で遊んでください。");
}

} // namespace tolvekin
