#pragma once
// Text files of the game: code page 932 (Shift-JIS as Windows writes it) with CR LF line ends.
// Shared by the settings, title and name files and the score files. Bytes that do not decode
// become U+FFFD; characters that code page 932 cannot hold are written as "?".

#include "common/files/RegularFiles.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace tolvekin {

QString DecodeCp932(const QByteArray& bytes);
QByteArray EncodeCp932(const QString& text);

// True only for a path that is not empty or blank, holds neither "*" nor "?" and names a
// regular file (symbolic links followed): folders, pipes and devices count as missing.
bool FileExists(const QString& path);

// The lines of a text file without their ends. A line ends at CR LF, at a lone LF or at a lone
// CR; a final line end does not start another line. Only the first maxBytes of the file are
// read; truncated, when given, tells whether it held more. std::nullopt when the file is not a
// regular file or cannot be read; error then receives the description when given.
std::optional<QStringList> ReadTextLines(const QString& path, QString* error = nullptr,
                                         qint64 maxBytes = SmallTextLimit,
                                         bool* truncated = nullptr);

// The lines of a text without their ends, split as ReadTextLines splits a file.
QStringList SplitLines(const QString& text);

// Replaces the file with lines, each followed by CR LF. The old file stays as it was unless
// the whole new text was written. False on failure, with the description in error when given.
bool WriteTextLines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Adds one line and CR LF at the end of an existing regular file (the file is created when
// missing). False, with the description in error when given, for a failed write or anything
// but a regular file: a link, even to a regular file, is refused as WriteRefusal says.
bool AppendTextLine(const QString& path, const QString& line, QString* error = nullptr);

} // namespace tolvekin
