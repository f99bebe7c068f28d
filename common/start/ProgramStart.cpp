#include "common/start/ProgramStart.h"

#include "common/dialogs/DialogSeam.h"
#include "common/files/SavedFiles.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace tolvekin {
namespace {

// A display that has not answered after this long counts as none.
constexpr unsigned DisplayAnswerSeconds = 15;

// Made before the guard starts, so the signal handler only writes bytes.
std::string NoDisplayLine;

// Whatever libraries print straight to the standard error while the display opens (the Wayland
// library does) is held in a memory file and passed on only once the display is open; the real
// standard error meanwhile waits in RealError.
int RealError = -1;
int HeldError = -1;

void HoldStandardError() {
    std::fflush(stderr);
    HeldError = ::memfd_create("held-stderr", MFD_CLOEXEC);
    RealError = HeldError < 0 ? -1 : ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (RealError < 0 || ::dup2(HeldError, STDERR_FILENO) < 0) {
        if (HeldError >= 0) {
            ::close(HeldError);
        }
        if (RealError >= 0) {
            ::close(RealError);
        }
        HeldError = RealError = -1;
    }
}

void ReleaseStandardError() {
    if (RealError < 0) {
        return;
    }
    std::fflush(stderr);
    ::dup2(RealError, STDERR_FILENO);
    ::close(RealError);
    RealError = -1;
    char buffer[4096];
    ssize_t n = 0;
    for (off_t at = 0; (n = ::pread(HeldError, buffer, sizeof buffer, at)) > 0; at += n) {
        const ssize_t written = ::write(STDERR_FILENO, buffer, static_cast<size_t>(n));
        static_cast<void>(written);
    }
    ::close(HeldError);
    HeldError = -1;
}

struct HeldMessage {
    QtMsgType type;
    QString category;
    QString text;
};
std::vector<HeldMessage> Held;
QtMessageHandler Previous = nullptr;
bool Guarding = false;

[[noreturn]] void SayNoDisplay() {
    const int fd = RealError >= 0 ? RealError : STDERR_FILENO;
    const ssize_t written = ::write(fd, NoDisplayLine.data(), NoDisplayLine.size());
    static_cast<void>(written);
    std::_Exit(1);
}

void OnAlarm(int) {
    SayNoDisplay();
}

void HoldPlatformMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        // Qt ends the program when no platform plugin could start: no display.
        SayNoDisplay();
    }
    Held.push_back({type, QString::fromUtf8(context.category), text});
}

} // namespace

bool DisplayMayOpen() {
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void GuardDisplayOpening(const char* program, bool quiet) {
    NoDisplayLine = quiet ? std::string()
                          : std::string(program) +
                                ": ディスプレイを開けません（DISPLAY か WAYLAND_DISPLAY "
                                "に応答するディスプレイがありません）。\n";
    if (!DisplayMayOpen()) {
        SayNoDisplay();
    }
    HoldStandardError();
    Held.clear();
    Guarding = true;
    Previous = qInstallMessageHandler(HoldPlatformMessages);
    std::signal(SIGALRM, OnAlarm);
    ::alarm(DisplayAnswerSeconds);
}

void DisplayOpened() {
    if (!Guarding) {
        return;
    }
    ::alarm(0);
    std::signal(SIGALRM, SIG_DFL);
    ReleaseStandardError();
    qInstallMessageHandler(Previous);
    Guarding = false;
    for (const HeldMessage& m : Held) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.constData());
        if (Previous != nullptr) {
            Previous(m.type, context, m.text);
        } else {
            std::fprintf(stderr, "%s\n", m.text.toLocal8Bit().constData());
        }
    }
    Held.clear();
}

void TellWithoutStarting(const char* program, int& argc, char** argv,
                         const std::function<void()>& tell) {
    if (!DisplayMayOpen()) {
        return;
    }
    GuardDisplayOpening(program, true);
    QApplication app(argc, argv);
    DisplayOpened();
    LoadQtJapanese(app);
    tell();
}

bool LoadQtJapanese(QCoreApplication& app) {
    // Whatever the locale: the interface is Japanese. The translator lives as long as app.
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

bool IsProgramFileName(const QString& name) {
    static const QRegularExpression own(QStringLiteral("^(TlvPar\\.txt"
                                                       "|TLV[AB2](HIGH|[0-9]{4})\\.(TXT|bak)"
                                                       "|TLV[AB2](HIGH|[0-9]{4})-[0-9]{8}-[0-9]{6}"
                                                       "(-[0-9]+)?\\.TXT"
                                                       "|TLV(SUN|FISH|BEAR)[0-8]?\\.BMP"
                                                       "|TLV(SUN|FISH|BEAR)\\.TXT)$"));
    return own.match(name).hasMatch();
}

int RemoveSaveLeftovers(const QString& dataDir, const QDateTime& now,
                        const std::function<bool(const QString&)>& isOwnFile) {
    const QDateTime before = now.addSecs(-60);
    int removed = 0;
    const QDir dir(dataDir);
    for (const QFileInfo& info :
         dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        QString savedName;
        if (!IsSaveTemporaryName(info.fileName(), &savedName) || !isOwnFile(savedName) ||
            info.isSymLink() || !info.isFile()) {
            continue;
        }
        if (info.lastModified() < before && QFile::remove(info.absoluteFilePath())) {
            ++removed;
        }
    }
    return removed;
}

int RunProgram(int argc, char** argv, const ProgramSteps& steps) {
    // At the file-size limit a write is to fail with an error the file code handles, not to
    // end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QStringList args = ProgramArguments(argc, argv);
    QString startProblem;
    if (const int status =
            HandleStandardOptions(steps.CommandLine, args, stdout, stderr, &startProblem);
        status != GoOn) {
        // Started from the desktop's menu, the player sees no standard error.
        const bool windowless = steps.RunsWithoutWindows && steps.RunsWithoutWindows(args);
        if (!startProblem.isEmpty() && !windowless) {
            TellWithoutStarting(steps.Name, argc, argv, [&] { steps.TellProblem(startProblem); });
        }
        return status;
    }
    if (steps.RunWithoutWindows) {
        if (const int status = steps.RunWithoutWindows(args); status != GoOn) {
            return status;
        }
    }

    GuardDisplayOpening(steps.Name);
    QApplication app(argc, argv);
    DisplayOpened();
    LoadQtJapanese(app);
    std::unique_ptr<RunningProgram> program = steps.Make();
    if (!program) {
        return 1;
    }
    RemoveSaveLeftovers(QDir::currentPath());
    SetDialogHandler(&program->Dialogs());
    program->Open(args);
    const int status = app.exec();
    SetDialogHandler(nullptr);
    program.reset();
    return status;
}

} // namespace tolvekin
