#include "common/files/RegularFiles.h"

#include "common/files/FileErrors.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvekin {
namespace {

QString ErrnoText(int code) {
    return FileErrorText(code);
}

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

// What a file that is not a regular one is, in the words of the refusal.
QString KindOf(mode_t mode) {
    if (S_ISLNK(mode)) {
        return QStringLiteral("シンボリックリンク");
    }
    if (S_ISFIFO(mode)) {
        return QStringLiteral("名前付きパイプ");
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return QStringLiteral("デバイス");
    }
    if (S_ISDIR(mode)) {
        return QStringLiteral("フォルダ");
    }
    if (S_ISSOCK(mode)) {
        return QStringLiteral("ソケット");
    }
    return QStringLiteral("通常のファイルでないもの");
}

} // namespace

std::optional<QString> WriteRefusal(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0) {
        if (errno == ENOENT) {
            return std::nullopt;
        }
        return QStringLiteral("%1 を調べられません（%2）").arg(name, ErrnoText(errno));
    }
    if (S_ISREG(st.st_mode)) {
        return std::nullopt;
    }
    return QStringLiteral("%1 は%2のため書き込みません").arg(name, KindOf(st.st_mode));
}

bool IsRegularFile(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode, QString* error) {
    file.setFileName(path);
    const bool append = mode.testFlag(QIODevice::Append);
    const bool writing = mode.testFlag(QIODevice::WriteOnly);
    if (path.isEmpty()) {
        SetError(error, ErrnoText(ENOENT));
        return false;
    }
    // Non-blocking open: a pipe without a writer (or, for writing, without a reader) answers at
    // once instead of holding the program. The kind of file is then checked on what was opened,
    // so nothing can be swapped in between.
    int flags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
    // A file written to is never reached through a link; reading through one is fine.
    flags |= writing ? (O_WRONLY | O_NOFOLLOW | (append ? O_APPEND | O_CREAT : 0)) : O_RDONLY;
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), flags, 0666);
    if (fd < 0) {
        SetError(error, ErrnoText(errno));
        return false;
    }
    struct stat st {};
    const bool statFailed = ::fstat(fd, &st) != 0;
    if (statFailed || !S_ISREG(st.st_mode)) {
        const int code = errno;
        ::close(fd);
        SetError(error, statFailed ? ErrnoText(code)
                                   : JapaneseFileError(QStringLiteral("Not a regular file")));
        return false;
    }
    if (!file.open(fd, mode, QFileDevice::AutoCloseHandle)) {
        SetError(error, JapaneseFileError(file.errorString()));
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> ReadFileBytes(const QString& path, qint64 maxBytes, QString* error,
                                        bool* truncated) {
    if (truncated != nullptr) {
        *truncated = false;
    }
    QFile file;
    if (!OpenRegularFile(file, path, QIODevice::ReadOnly, error)) {
        return std::nullopt;
    }
    maxBytes = std::max<qint64>(maxBytes, 0);
    // One byte more than wanted tells whether the file goes on; the buffer never exceeds the
    // file's size.
    const qint64 want = std::min(maxBytes, file.size()) + 1;
    QByteArray bytes = file.read(want);
    if (file.error() != QFileDevice::NoError) {
        SetError(error, JapaneseFileError(file.errorString()));
        return std::nullopt;
    }
    if (bytes.size() > maxBytes) {
        bytes.truncate(maxBytes);
        if (truncated != nullptr) {
            *truncated = true;
        }
    }
    return bytes;
}

} // namespace tolvekin
