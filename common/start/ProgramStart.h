#pragma once
// What both programs do as they start, before and just after their application object exists:
// take the shared command-line options, refuse to start without a display in one line instead
// of aborting, load Qt's own Japanese texts, and clear away what an interrupted save left in the
// data folder. RunProgram takes a program through all of it, in one order for both.

#include "common/start/StandardOptions.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QCoreApplication;

namespace tolvekin {

class DialogHandler;

// The part of a program that lives while its application runs: made once the application
// exists, and gone before it goes.
class RunningProgram {
public:
    virtual ~RunningProgram() = default;
    // Where the program's messages go, from before its windows open to the end.
    virtual DialogHandler& Dialogs() = 0;
    // Opens the program's windows, given its own arguments; the event loop runs next.
    virtual void Open(const QStringList& args) = 0;
};

// What sets one program's start apart from the other's.
struct ProgramSteps {
    const char* Name = "";          // starts the program's lines on the standard error
    ProgramDescription CommandLine; // its options, for --help and the refusals
    // Shows why the program does not start in its message dialog; the standard error has
    // said it already.
    std::function<void(const QString& problem)> TellProblem;
    // Optional: a command line that runs without windows, whose problems are told on the
    // standard error only.
    std::function<bool(const QStringList& args)> RunsWithoutWindows;
    // Optional: runs the program without windows when its arguments ask for that, returning
    // the exit status; GoOn goes on to the windows.
    std::function<int(const QStringList& args)> RunWithoutWindows;
    // Makes what runs with the application, after Qt has its Japanese texts and before the
    // leftovers of saves are cleared away. nullptr ends the program with status 1; it has
    // told why.
    std::function<std::unique_ptr<RunningProgram>()> Make;
};

// The whole life of a program, for main(): the shared options, the display, the application,
// the message dialogs, the windows and the event loop. Returns the exit status.
int RunProgram(int argc, char** argv, const ProgramSteps& steps);

// Call just before the QApplication is made. When no display can be opened (none named in the
// environment, or the one named does not answer), the program prints one line
// "<program>: ..." to the standard error (nothing when quiet) and ends with status 1, without a
// core dump. Messages of Qt's platform code, and whatever the display libraries print to the
// standard error meanwhile, are held back and passed on once the display is open.
void GuardDisplayOpening(const char* program, bool quiet = false);

// Call right after the QApplication is made: the guard's work is done.
void DisplayOpened();

// For a start that ends before the program's windows, its reason already printed on the
// standard error: when a display opens, makes the application object and calls tell, which
// shows the reason in the program's message dialog. Without a display nothing more is said and
// the program ends with status 1.
void TellWithoutStarting(const char* program, int& argc, char** argv,
                         const std::function<void()>& tell);

// Loads Qt's own Japanese translations (qtbase_ja) for the texts Qt shows and the error
// descriptions it gives. False when they are not installed; the program then goes on with Qt's
// English texts, which the file error words still cover.
bool LoadQtJapanese(QCoreApplication& app);

// Whether name is one of the files the game or the character maker writes into the data folder:
// the settings file, the score tables, their backups and the kept copies of unreadable ones, the
// character pictures and names.
bool IsProgramFileName(const QString& name);

// Removes the leftovers of saves that were interrupted between writing their temporary file and
// putting it in place: in dataDir, regular files named as a save's temporary file of one of the
// programs' files (".TlvPar.txt.k3Xq9Z.tlvsave", see SaveTemporaryName), last changed more than a
// minute before now. No other file is touched, whatever its name. Returns how many were removed.
int RemoveSaveLeftovers(const QString& dataDir, const QDateTime& now = QDateTime::currentDateTime(),
                        const std::function<bool(const QString&)>& isOwnFile = IsProgramFileName);

} // namespace tolvekin
