#pragma once
// Replacing a file's contents in one step: every file both programs write goes through here, so
// a failed or interrupted write never leaves a half-written file in place of the old one.

#include <QByteArray>
#include <QString>

namespace tolvekin {

// Replaces the file at path with bytes. The old file stays as it was unless every byte was
// written. False on failure, with the description in error when given.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace tolvekin
