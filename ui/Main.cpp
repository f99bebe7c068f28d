// The game's entry: a batch of computer games without windows, or the start-up sequence with
// the splash window, the settings, the board fitted to the screen and the main window.

#include "Artwork.h"
#include "AutoResultLog.h"
#include "BatchRun.h"
#include "BusyCursor.h"
#include "DialogSeam.h"
#include "Game.h"
#include "MessageDialogs.h"
#include "ScreenMetricsOf.h"
#include "StartupFit.h"
#include "TextFiles.h"
#include "frmStart.h"
#include "frmTolvek.h"
#include "frmTolvekOptions.h"
#include "mdlOption.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

using namespace tolvekin;

namespace {

QStringList ProgramArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args << QString::fromLocal8Bit(argv[i]);
    }
    return args;
}

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
    const QString dataDir = CurrentDataDir();
    Settings settings;
    ReadSettings(settings, dataDir, request.Options.Rest);
    RunBatch(request.Options, settings, stdout,
             [&](const std::string& line) { AppendAutoResult(dataDir, line); });
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = ProgramArguments(argc, argv);
    const BatchRequest batch = ParseBatchArguments(args);
    if (batch.IsBatch) {
        return RunBatchMode(batch);
    }

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    auto busy = std::make_unique<BusyCursor>();
    const QString dataDir = CurrentDataDir();
    MtRandom random(ClockSeed());
    Settings settings;
    QuietView noWindowYet;
    Game game(settings, random, noWindowYet);
    QApplication::setWindowIcon(artwork::ProgramIcon());
    const auto title = [&] { return QString::fromStdString(settings.GameTitle); };
    GameMessages dialogs({title, {}, {}});
    SetDialogHandler(&dialogs);

    auto splash = std::make_unique<frmStart>(random);
    splash->show();
    QCoreApplication::processEvents();
    ReadSettings(settings, dataDir, args);
    splash->ResetTitle(QString::fromStdString(settings.GameTitle));

    // The board shrinks to what fits on the screen, height before width.
    int32_t maxRows = 0;
    int32_t maxCols = 0;
    ScreenMetrics screen = ScreenMetricsOf(QGuiApplication::primaryScreen());
    GetMaxBoardSize(screen, maxRows, maxCols);
    for (const QString& message : FitBoardToScreen(settings, maxRows, maxCols)) {
        MessageForm(message);
    }
    game.AllocateBoard();
    splash->AddJunbiBar(2);

    frmTolvek window(game, dataDir, [&](int step) { splash->AddJunbiBar(step); });
    splash->Sets = &window.Pictures;
    window.Load();
    game.View = &window;
    ConnectOptionsDialog(window, game, dataDir);
    // Messages from now on sit on the main window and show the piece at the initial block.
    dialogs.SetContext({title, [&]() -> QWidget* { return &window; },
                        [&] {
                            const int index = game.State.CellIndex(settings.MidX, settings.MidY);
                            return window.picKoma[static_cast<size_t>(index)]->Picture();
                        }});
    splash->AddJunbiBar(6);
    window.LoadCharPictures();
    splash->AddJunbiBar(7);
    game.NewGame();
    window.RedrawBoard();
    splash->AddJunbiBar(8);
    game.UpdateCount();
    splash->AddJunbiBar(9);
    game.State.SideToMove = static_cast<int16_t>(game.TurnSwitch(2));
    splash->AddJunbiBar(10);

    busy.reset();
    splash.reset();
    window.show();
    window.cmdEnd->setFocus();
    window.ChangeChar(1);
    window.ChangeChar(2);
    window.SetBoardColor(settings.BoardColor);
    window.SetBackgroundColor(settings.BackgroundColor);
    window.DrawFrame3D(window.picChar[1]);
    window.DrawFrame3D(window.picMode);
    const int status = app.exec();
    SetDialogHandler(nullptr);
    return status;
}
