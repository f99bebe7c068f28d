#pragma once
// One game per data folder. Two games saving into the same score tables and settings file
// would each write back what they read at their start, and the second save would lose the
// first one's entry or option change. The game holds a lock file in its data folder while it
// runs; a second start in the same folder finds it held and says so. The character maker writes
// only its own files and runs beside the game without the lock.

#include <QLockFile>
#include <QString>

namespace tolvekin {

class DataFolderLock {
public:
    enum class Result {
        Held,       // this game holds the folder
        Busy,       // another running game holds it
        Unavailable // no lock file can be made there (a folder that takes no files): go on
    };

    // The lock file in dataDir (which ends with "/"), not yet taken.
    explicit DataFolderLock(const QString& dataDir);

    // Takes the lock at once or not at all. A lock file left by a game that no longer runs is
    // taken over.
    Result Take();

    static QString FileName() { return QStringLiteral(".tolvekin.lock"); }

private:
    QLockFile lock_;
};

// What a second game started in the same folder tells before it ends.
QString FolderInUseText();

} // namespace tolvekin
