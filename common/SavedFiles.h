#pragma once
// Replacing a file's contents in one step: every file both programs write goes through here, so
// a failed or interrupted write never leaves a half-written file in place of the old one.

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace tolvekin {

// Replaces the file at path with bytes. The new contents go to a temporary file beside it that
// takes the file's place only once every byte has been written; a full disk or any other write
// error keeps the old file. In a folder that takes no new files (read-only or immutable) an
// existing writable file is written in place instead, and put back as it was when that write
// fails. False on failure, with a Japanese description of what failed in error when given.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes every byte of bytes to an open device, going on after a short write; true only when all
// were written. On an unbuffered file a full disk shows here, not later.
bool WriteAllBytes(QIODevice& device, const QByteArray& bytes);

} // namespace tolvekin
