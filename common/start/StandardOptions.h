#pragma once
// The command-line conventions both programs share, handled before anything else starts:
//   --help       prints the program's usage and ends with status 0 (1 when it cannot be written)
//   --version    prints the program's name and version and ends with status 0 (1 likewise)
//   --data-home  works in the player's data folder instead of the current folder
// Any other argument that starts with "--" and is not one of the program's own options is refused
// with a message and status 2. Arguments of the form /KEY are left alone.

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace tolvekin {

// What a program tells about its command line.
struct ProgramDescription {
    QString Name;            // as typed in a terminal, "tolvekin"
    QString Usage;           // the text --help prints
    QStringList LongOptions; // the program's own "--" options; "--name=value" is accepted too
};

enum class StandardAction { Run, Help, Version, Refuse };

struct StandardRequest {
    StandardAction Action = StandardAction::Run;
    bool DataHome = false; // --data-home was given
    QString Error;         // one line naming the problem when the action is Refuse
    QStringList Rest;      // the arguments for the program, without --data-home
};

// Reads the shared options. The first of --help, --version and an unknown "--" option decides
// the action.
StandardRequest ParseStandardOptions(const ProgramDescription& program, const QStringList& args);

// The version of both programs, the project's version number, e.g. "1.3".
QString ProgramVersion();

// The data folder both programs share: $XDG_DATA_HOME/tolvekin, or ~/.local/share/tolvekin when
// XDG_DATA_HOME is unset, empty or not an absolute path. Empty when neither variable helps.
QString DataHomeFolder(const QProcessEnvironment& environment);

// Creates the folder when it is missing and makes it the current folder. On failure returns
// false and a one-line reason in error, the same in Japanese for the message dialog in
// forPlayer when given; the current folder is then unchanged.
bool EnterDataHome(const QString& folder, QString& error, QString* forPlayer = nullptr);

// The program's arguments after its name, as the command line gave them.
QStringList ProgramArguments(int argc, char** argv);

// The value HandleStandardOptions returns when the program should go on.
inline constexpr int GoOn = -1;

// Everything the shared options ask for, for the start of main(): prints the usage or the
// version to out, or a refusal to err, and returns the exit status; or enters the data folder
// and returns GoOn with args reduced to the program's own arguments. Needs no application object.
// When the data folder cannot be entered, forPlayer (when given) receives the Japanese reason
// the program is to show in its message dialog.
int HandleStandardOptions(const ProgramDescription& program, QStringList& args,
                          std::FILE* out = stdout, std::FILE* err = stderr,
                          QString* forPlayer = nullptr);

} // namespace tolvekin
