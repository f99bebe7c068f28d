#include "common/start/StandardOptions.h"

#include "common/files/FileErrors.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

// Makes folder and any folder above it that is missing. errno tells why when false; ENOTDIR
// names in blocker the first part of the path that is there but no folder.
bool MakeFolders(const QString& folder, QString& blocker) {
    const QStringList parts = QDir::cleanPath(folder).split(u'/');
    QString path;
    for (const QString& part : parts) {
        path += part.isEmpty() && path.isEmpty() ? QStringLiteral("/") : part;
        if (!part.isEmpty()) {
            const QByteArray native = QFile::encodeName(path);
            struct stat st {};
            if (::stat(native.constData(), &st) == 0) {
                if (!S_ISDIR(st.st_mode)) {
                    blocker = path;
                    errno = ENOTDIR;
                    return false;
                }
            } else if (errno != ENOENT ||
                       (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)) {
                return false;
            }
        }
        if (!path.endsWith(u'/')) {
            path += u'/';
        }
    }
    return true;
}

} // namespace

bool EnterDataHome(const QString& folder, QString& error, QString* forPlayer) {
    auto fail = [&](const QString& english, const QString& japanese) {
        error = english;
        if (forPlayer != nullptr) {
            *forPlayer = japanese;
        }
        return false;
    };
    if (folder.isEmpty()) {
        return fail("cannot find the data folder: neither XDG_DATA_HOME nor HOME is set",
                    QStringLiteral("データフォルダの場所がわかりません。\n"
                                   "環境変数 XDG_DATA_HOME も HOME も設定されていません。"));
    }
    QString blocker;
    if (!MakeFolders(folder, blocker)) {
        const int code = errno;
        const QString why = blocker.isEmpty()
                                ? FileErrorText(code)
                                : QStringLiteral("%1 がフォルダではなくファイルです").arg(blocker);
        return fail("cannot create the data folder " + folder + ": " +
                        QString::fromLocal8Bit(std::strerror(code)),
                    QStringLiteral("データフォルダ %1 を作れません。\n%2").arg(folder, why));
    }
    if (::chdir(QFile::encodeName(folder).constData()) != 0) {
        return fail("cannot enter the data folder " + folder,
                    QStringLiteral("データフォルダ %1 に入れません。\n%2")
                        .arg(folder, FileErrorText(errno)));
    }
    return true;
}

int HandleStandardOptions(const ProgramDescription& program, QStringList& args, std::FILE* out,
                          std::FILE* err, QString* forPlayer) {
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
        if (!EnterDataHome(DataHomeFolder(QProcessEnvironment::systemEnvironment()), error,
                           forPlayer)) {
            Print(err, program.Name + ": " + error + '\n');
            return 1;
        }
    }
    args = request.Rest;
    return GoOn;
}

} // namespace tolvekin
