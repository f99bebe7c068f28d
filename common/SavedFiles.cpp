#include "common/SavedFiles.h"

#include "common/FileErrors.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvekin {
namespace {

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

// The description of a failed write, or, when the platform only says "Unknown error", which
// step failed on which file.
QString Describe(const QString& description, const QString& step, const QString& path) {
    const QString words = JapaneseFileError(description);
    if (!words.isEmpty()) {
        return words;
    }
    return step.arg(QFileInfo(path).fileName());
}

const QString NotOpened = QStringLiteral("%1 を書き込み用に開けません");
const QString NotWritten = QStringLiteral("%1 を最後まで書き込めません");
const QString NotReplaced = QStringLiteral("%1 を新しい内容に置き換えられません");

// Writes all of bytes at offset 0 of fd, however the system splits the writes. errno tells why
// when false.
bool WriteAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            if (n == 0) {
                errno = EIO;
            }
            return false;
        }
        done += n;
    }
    return true;
}

// The file rewritten where it is, for a folder where no temporary file can be made. The old
// contents are kept in memory and written back when the new ones do not fit.
bool WriteInPlace(const QString& path, const QByteArray& bytes, QString* error) {
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        SetError(error, FileErrorText(errno));
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        SetError(error, JapaneseFileError(QStringLiteral("Not a regular file")));
        return false;
    }
    QByteArray old(static_cast<qsizetype>(st.st_size), Qt::Uninitialized);
    qint64 got = 0;
    while (got < old.size()) {
        const ssize_t n = ::pread(fd, old.data() + got, static_cast<size_t>(old.size() - got), got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += n;
    }
    old.truncate(got);

    if (WriteAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0) {
        if (::close(fd) == 0) {
            return true;
        }
        SetError(error, FileErrorText(errno));
        return false;
    }
    const int code = errno;
    // The old contents need no more room than they had.
    WriteAll(fd, old);
    const int restored = ::ftruncate(fd, old.size());
    static_cast<void>(restored);
    ::close(fd);
    SetError(error, FileErrorText(code));
    return false;
}

// Whether a failed atomic save may write the existing file in place: the file is there, is a
// regular file and may be written, only its folder takes no new files.
bool MayWriteInPlace(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isWritable() && !QFileInfo(info.absolutePath()).isWritable();
}

} // namespace

bool WriteAllBytes(QIODevice& device, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = device.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0) {
            return false;
        }
        done += n;
    }
    return true;
}

bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile file(path);
    // Unbuffered: every write reaches the system at once, so a full disk shows as a failed write
    // here and not as a lost one at the commit.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (MayWriteInPlace(path)) {
            return WriteInPlace(path, bytes, error);
        }
        SetError(error, Describe(file.errorString(), NotOpened, path));
        return false;
    }
    if (!WriteAllBytes(file, bytes) || file.error() != QFileDevice::NoError) {
        SetError(error, Describe(file.errorString(), NotWritten, path));
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SetError(error, Describe(file.errorString(), NotReplaced, path));
        return false;
    }
    return true;
}

} // namespace tolvekin
