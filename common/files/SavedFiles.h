#pragma once
// Replacing a file's contents in one step: every file both programs write goes through here, so
// a failed or interrupted write never leaves a half-written file in place of the old one, and
// nothing is ever written through a link or into a pipe or device.

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <functional>

namespace tolvekin {

// Replaces the file at path with bytes. The new contents go to a temporary file of the
// programs' own kind beside it (see IsSaveTemporaryName) that takes the file's place with one
// rename once every byte is on the disk; a full disk or any other failure keeps the old file.
// A link, pipe, device or folder at path is refused and left as it is (see WriteRefusal), and a
// folder that takes no new files refuses the save: the old file stays whole. False on failure,
// with a Japanese description of what failed in error when given.
bool SaveFileBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Writes every byte of bytes to an open device, going on after a short write; true only when all
// were written. On an unbuffered file a full disk shows here, not later.
bool WriteAllBytes(QIODevice& device, const QByteArray& bytes);

// The temporary file a save of the file named name writes first: ".TlvPar.txt.k3Xq9Z.tlvsave",
// a dot, the name, a dot, six letters or digits and ".tlvsave".
QString SaveTemporaryName(const QString& name, const QString& sixCharacters);

// Whether fileName is such a temporary file; savedName receives the name of the file it was
// for when given.
bool IsSaveTemporaryName(const QString& fileName, QString* savedName = nullptr);

// The steps of a save that change the disk, in order, for tests that stop a save between them.
enum class SaveStep { TemporaryCreated, ContentsWritten, ContentsSynced, Renamed };

// Calls observer after each step of every save from now on (empty: none). Only for tests.
void ObserveSaveSteps(std::function<void(SaveStep)> observer);

} // namespace tolvekin
