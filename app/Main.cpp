// The game's entry: a batch of computer games without windows, or the start-up sequence with
// the splash window, the settings, the board fitted to the screen and the main window.

#include "app/GameSession.h"
#include "batch/BatchRun.h"
#include "common/dialogs/DialogSeam.h"
#include "common/dialogs/MessageDialogs.h"
#include "common/files/DataFolderLock.h"
#include "common/start/ProgramStart.h"
#include "common/start/ProgramUsage.h"
#include "common/text/Utf8Text.h"
#include "scores/AutoResultLog.h"
#include "settings/mdlOption.h"
#include "ui/Artwork.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

using namespace tolvekin;

namespace {

QString CurrentDataDir() {
    QString dir = QDir::currentPath();
    if (!dir.endsWith('/')) {
        dir += '/';
    }
    return dir;
}

int RunBatchMode(const BatchRequest& request) {
    if (!request.Ok) {
        std::fprintf(stderr, "tolvekin: %s\n", request.Error.toUtf8().constData());
        return 2;
    }
    // With standard output closed the next file opened would take its place.
    if (fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::fprintf(stderr, "tolvekin: cannot write the output: standard output is closed\n");
        return 1;
    }
    const QString dataDir = CurrentDataDir();
    Settings settings;
    ReadSettings(settings, dataDir, request.Options.Rest);
    const BatchSummary summary =
        RunBatch(request.Options, settings, stdout,
                 [&](const std::string& line) { AppendAutoResult(dataDir, line); });
    if (!summary.WriteError.empty()) {
        std::fprintf(stderr, "tolvekin: cannot write the output: %s\n", summary.WriteError.c_str());
        return 1;
    }
    return 0;
}

// The message dialog of a start that ends before the game's windows: the built-in title,
// centred on the screen.
MessageContext BeforeTheWindows() {
    return {[] { return Q(Settings{}.GameTitle); }, []() -> QWidget* { return nullptr; }};
}

bool IsBatchCommandLine(const QStringList& args) {
    return std::any_of(args.begin(), args.end(), [](const QString& arg) {
        return arg == "--batch" || arg.startsWith("--batch=");
    });
}

int RunBatchIfAsked(const QStringList& args) {
    const BatchRequest batch = ParseBatchArguments(args);
    return batch.IsBatch ? RunBatchMode(batch) : GoOn;
}

// The game as it runs with its windows. It holds the data folder until the game ends: a second
// game in this folder would lose this one's saves.
class RunningGame : public RunningProgram {
public:
    explicit RunningGame(std::unique_ptr<DataFolderLock> folderLock)
        : folderLock_(std::move(folderLock)), session_(CurrentDataDir(), ClockSeed()),
          // Messages sit on the main window once it has loaded and show the piece at the
          // initial block; before that they are centred on the screen.
          dialogs_(session_.DialogContext()) {}

    DialogHandler& Dialogs() override { return dialogs_; }

    void Open(const QStringList& args) override {
        StartOptions start;
        start.Arguments = args;
        start.Splash = true;
        start.ShowWindow = true;
        session_.Start(start);
    }

private:
    std::unique_ptr<DataFolderLock> folderLock_;
    GameSession session_;
    MessageDialogs dialogs_;
};

std::unique_ptr<RunningProgram> MakeGame() {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setWindowIcon(artwork::ProgramIcon());
    auto folderLock = std::make_unique<DataFolderLock>(CurrentDataDir());
    if (folderLock->Take() == DataFolderLock::Result::Busy) {
        std::fprintf(stderr, "tolvekin: %s\n",
                     FolderInUseText().replace(u'\n', u' ').toLocal8Bit().constData());
        MessageDialogs(BeforeTheWindows()).Message(FolderInUseText());
        return nullptr;
    }
    return std::make_unique<RunningGame>(std::move(folderLock));
}

} // namespace

int main(int argc, char** argv) {
    ProgramSteps game;
    game.Name = "tolvekin";
    game.CommandLine = GameCommandLine();
    game.TellProblem = [](const QString& problem) {
        MessageDialogs(BeforeTheWindows()).Message(problem);
    };
    game.RunsWithoutWindows = IsBatchCommandLine;
    game.RunWithoutWindows = RunBatchIfAsked;
    game.Make = MakeGame;
    return RunProgram(argc, argv, game);
}
