#pragma once
// The log of computer-against-computer results: when the file AutoResult.txt exists in the data
// folder, every finished game adds its result line to it. Without the file nothing is written.

#include <QString>

#include <string>

namespace tolvekin {

// Appends line (UTF-8) in Shift-JIS with CR LF when the log file exists. Errors of the write
// are swallowed: the game goes on. A log that is a symbolic link is never written through; that
// is told once in the run with MessageForm, and later games go on without the log.
void AppendAutoResult(const QString& dataDir, const std::string& line);

} // namespace tolvekin
