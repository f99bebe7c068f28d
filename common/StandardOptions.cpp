#include "common/StandardOptions.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>

namespace tolvekin {

QStringList ProgramArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    return args;
}

namespace {

bool IsProgramOption(const ProgramDescription& program, const QString& arg) {
    for (const QString& option : program.LongOptions) {
        if (arg == option || arg.startsWith(option + '=')) {
            return true;
        }
    }
    return false;
}

// Writes text to stream; false when it did not all get there (a full disk, a closed stream).
bool Print(std::FILE* stream, const QString& text) {
    // With the descriptor closed the bytes would go wherever the next opened file lands.
    if (::fcntl(::fileno(stream), F_GETFD) == -1) {
        errno = EBADF;
        return false;
    }
    const bool written = std::fputs(text.toLocal8Bit().constData(), stream) >= 0;
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// Prints what was asked for to out: 0, or 1 with a line on err when it could not be written.
int PrintAnswer(const ProgramDescription& program, std::FILE* out, std::FILE* err,
                const QString& text) {
    if (Print(out, text)) {
        return 0;
    }
    Print(err, program.Name + ": cannot write the output: " +
                   QString::fromLocal8Bit(std::strerror(errno)) + '\n');
    return 1;
}

} // namespace

StandardRequest ParseStandardOptions(const ProgramDescription& program, const QStringList& args) {
    StandardRequest request;
    for (const QString& arg : args) {
        if (arg == "--data-home") {
            request.DataHome = true;
            continue;
        }
        request.Rest.append(arg);
        if (request.Action != StandardAction::Run || !arg.startsWith("--")) {
            continue;
        }
        if (arg == "--help") {
            request.Action = StandardAction::Help;
        } else if (arg == "--version") {
            request.Action = StandardAction::Version;
        } else if (!IsProgramOption(program, arg)) {
            request.Action = StandardAction::Refuse;
            request.Error = "unknown option: " + arg;
        }
    }
    return request;
}

QString ProgramVersion() {
    return QStringLiteral(TOLVEKIN_VERSION);
}

QString DataHomeFolder(const QProcessEnvironment& environment) {
    const QString dataHome = environment.value("XDG_DATA_HOME");
    if (!dataHome.isEmpty() && QDir::isAbsolutePath(dataHome)) {
        return QDir::cleanPath(dataHome + "/tolvekin");
    }
    const QString home = environment.value("HOME");
    if (!home.isEmpty() && QDir::isAbsolutePath(home)) {
        return QDir::cleanPath(home + "/.local/share/tolvekin");
    }
    return QString();
}

bool EnterDataHome(const QString& folder, QString& error) {
    if (folder.isEmpty()) {
        error = "cannot find the data folder: neither XDG_DATA_HOME nor HOME is set";
        return false;
    }
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        error = "cannot create the data folder " + folder;
        return false;
    }
    if (!QDir::setCurrent(folder)) {
        error = "cannot enter the data folder " + folder;
        return false;
    }
    return true;
}

int HandleStandardOptions(const ProgramDescription& program, QStringList& args, std::FILE* out,
                          std::FILE* err) {
    const StandardRequest request = ParseStandardOptions(program, args);
    switch (request.Action) {
    case StandardAction::Help:
        return PrintAnswer(program, out, err, program.Usage);
    case StandardAction::Version:
        return PrintAnswer(program, out, err, program.Name + ' ' + ProgramVersion() + '\n');
    case StandardAction::Refuse:
        // One line, like every other refusal of the command line.
        Print(err, program.Name + ": " + request.Error + " (see " + program.Name + " --help)\n");
        return 2;
    case StandardAction::Run:
        break;
    }
    if (request.DataHome) {
        QString error;
        if (!EnterDataHome(DataHomeFolder(QProcessEnvironment::systemEnvironment()), error)) {
            Print(err, program.Name + ": " + error + '\n');
            return 1;
        }
    }
    args = request.Rest;
    return GoOn;
}

} // namespace tolvekin
