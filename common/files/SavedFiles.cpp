#include "common/files/SavedFiles.h"

#include "common/files/FileErrors.h"
#include "common/files/RegularFiles.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvekin {
namespace {

const QString TemporarySuffix = QStringLiteral(".tlvsave");

std::function<void(SaveStep)>& StepObserver() {
    static std::function<void(SaveStep)> observer;
    return observer;
}

void Passed(SaveStep step) {
    if (StepObserver()) {
        StepObserver()(step);
    }
}

void SetError(QString* error, const QString& text) {
    if (error != nullptr) {
        *error = text;
    }
}

const QString NotWritable = QStringLiteral("既存のファイル %1 に書き込めません");

// Writes all of bytes to fd, however the system splits the writes. errno tells why when false.
bool WriteAll(int fd, const QByteArray& bytes) {
    qint64 done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
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

QString RandomCharacters() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString six;
    for (int i = 0; i < 6; ++i) {
        six += QChar(letters[QRandomGenerator::global()->bounded(62)]);
    }
    return six;
}

// A new temporary file beside path, made only when no file of that name exists (a link
// planted under the name is never followed). The open descriptor, or -1 with errno set.
int CreateTemporary(const QString& path, QString& temporary) {
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = info.path() + u'/' + SaveTemporaryName(info.fileName(), RandomCharacters());
        const int fd = ::open(QFile::encodeName(temporary).constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

// Makes the folder's new entry last as well, where the file system allows.
void SyncFolder(const QString& path) {
    const int fd = ::open(QFile::encodeName(QFileInfo(path).path()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        static_cast<void>(::fsync(fd));
        ::close(fd);
    }
}

// The new contents written to the temporary file and put in path's place. The old file keeps
// its permissions on the new one. The system's reason in Japanese in error on failure; the
// temporary file is gone again then.
bool WriteAndReplace(const QString& path, const QByteArray& bytes, const struct stat* old,
                     QString* error) {
    QString temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0) {
        // The file itself may be writable: it is its folder that refuses.
        SetError(
            error,
            QStringLiteral("フォルダに新しいファイルを作れません（%1）").arg(FileErrorText(errno)));
        return false;
    }
    Passed(SaveStep::TemporaryCreated);
    const QByteArray native = QFile::encodeName(temporary);
    auto fail = [&](bool open) {
        const int code = errno;
        if (open) {
            ::close(fd);
        }
        ::unlink(native.constData());
        SetError(error, FileErrorText(code));
        return false;
    };
    if (old != nullptr && ::fchmod(fd, old->st_mode & 07777) != 0) {
        return fail(true);
    }
    if (!WriteAll(fd, bytes)) {
        return fail(true);
    }
    Passed(SaveStep::ContentsWritten);
    if (::fsync(fd) != 0) {
        return fail(true);
    }
    Passed(SaveStep::ContentsSynced);
    if (::close(fd) != 0) {
        return fail(false);
    }
    // The rename replaces the entry itself: whatever was put under the name meanwhile, no
    // link is followed.
    if (::rename(native.constData(), QFile::encodeName(path).constData()) != 0) {
        return fail(false);
    }
    Passed(SaveStep::Renamed);
    SyncFolder(path);
    return true;
}

} // namespace

QString SaveTemporaryName(const QString& name, const QString& sixCharacters) {
    return u'.' + name + u'.' + sixCharacters + TemporarySuffix;
}

bool IsSaveTemporaryName(const QString& fileName, QString* savedName) {
    static const QRegularExpression temporary(QStringLiteral("^\\.(.+)\\.[A-Za-z0-9]{6}") +
                                              QRegularExpression::escape(TemporarySuffix) + u'$');
    const QRegularExpressionMatch m = temporary.match(fileName);
    if (m.hasMatch() && savedName != nullptr) {
        *savedName = m.captured(1);
    }
    return m.hasMatch();
}

void ObserveSaveSteps(std::function<void(SaveStep)> observer) {
    StepObserver() = std::move(observer);
}

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
    if (const std::optional<QString> refusal = WriteRefusal(path)) {
        SetError(error, *refusal);
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat old {};
    const bool exists = ::lstat(native.constData(), &old) == 0;
    // A file its owner made read-only stays as it is, as it would for a write into it.
    if (exists && ::access(native.constData(), W_OK) != 0) {
        SetError(error, NotWritable.arg(QFileInfo(path).fileName()));
        return false;
    }
    return WriteAndReplace(path, bytes, exists ? &old : nullptr, error);
}

} // namespace tolvekin
