#pragma once
// Only regular files are data files. A named pipe, a device or a symbolic link to one counts as
// missing: opening it could wait for ever for a writer or read without end. Every read is
// bounded, so a huge file costs no more than its first bytes.

#include <QByteArray>
#include <QFile>
#include <QIODevice>
#include <QString>

#include <optional>

namespace tolvekin {

// Byte limits for reading a whole text file: settings, title and name files are a few lines;
// record files hold many games.
inline constexpr qint64 SmallTextLimit = 64 * 1024;
inline constexpr qint64 RecordTextLimit = 4 * 1024 * 1024;

// True for an existing regular file, symbolic links followed (a link to /dev/zero is not one).
bool IsRegularFile(const QString& path);

// Opens file (its name is set to path) with mode, which must hold ReadOnly or WriteOnly |
// Append, only when path is a regular file after the open; an append creates a missing file
// and never goes through a symbolic link. Never waits for a pipe's other end. False with the
// platform's description in error when given.
bool OpenRegularFile(QFile& file, const QString& path, QIODevice::OpenMode mode,
                     QString* error = nullptr);

// Why a file may not be replaced or appended to at path, naming the file, or std::nullopt when
// it may: only a regular file or a missing one is written. A symbolic link (even one to a
// regular file or to nothing), a named pipe, a device, a socket or a folder in its place is
// refused, as is a path whose folder cannot be searched. Links are not followed.
std::optional<QString> WriteRefusal(const QString& path);

// At most maxBytes from the start of a regular file. truncated, when given, tells whether the
// file held more. std::nullopt when the file is missing, not regular or cannot be read.
std::optional<QByteArray> ReadFileBytes(const QString& path, qint64 maxBytes,
                                        QString* error = nullptr, bool* truncated = nullptr);

} // namespace tolvekin
