// One game per data folder: a second game finds the folder held while the first runs, and a
// lock left by a game that was killed is taken over.

#include "common/files/DataFolderLock.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

namespace tolvekin {
namespace {

TEST(DataFolderLock, HeldByOneGameAtATimeAndTakenOverFromAKilledOne) {
    QTemporaryDir data;
    const QString dir = data.path() + '/';
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    // The first game, in a process of its own, holds the folder until it is killed.
    const pid_t first = ::fork();
    ASSERT_GE(first, 0);
    if (first == 0) {
        DataFolderLock lock(dir);
        const char taken = lock.Take() == DataFolderLock::Result::Held ? 'y' : 'n';
        if (::write(ready[1], &taken, 1) != 1) {
            std::_Exit(1);
        }
        for (;;) {
            ::pause();
        }
    }
    char taken = 0;
    ASSERT_EQ(::read(ready[0], &taken, 1), 1);
    EXPECT_EQ(taken, 'y');

    DataFolderLock second(dir);
    EXPECT_EQ(second.Take(), DataFolderLock::Result::Busy);
    // Another folder is free.
    QTemporaryDir other;
    DataFolderLock elsewhere(other.path() + '/');
    EXPECT_EQ(elsewhere.Take(), DataFolderLock::Result::Held);

    ::kill(first, SIGKILL);
    ::waitpid(first, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_TRUE(QFileInfo::exists(dir + DataFolderLock::FileName())); // left behind
    EXPECT_EQ(second.Take(), DataFolderLock::Result::Held);
}

TEST(DataFolderLock, AFolderThatTakesNoFilesLetsTheGameGoOn) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "root writes into any folder";
    }
    QTemporaryDir data;
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::ExeOwner);
    DataFolderLock lock(data.path() + '/');
    EXPECT_EQ(lock.Take(), DataFolderLock::Result::Unavailable);
    QFile::setPermissions(data.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace
} // namespace tolvekin
