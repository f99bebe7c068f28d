#include "app/GameSession.h"

#include "common/dialogs/BusyCursor.h"
#include "common/dialogs/DialogSeam.h"
#include "common/layout/WindowGeometry.h"
#include "common/text/Utf8Text.h"
#include "settings/mdlOption.h"
#include "ui/ScreenMetricsOf.h"
#include "ui/StartupFit.h"
#include "ui/frmStart.h"

#include <QCoreApplication>

namespace tolvekin {

GameSession::GameSession(const QString& dataDir, uint64_t seed)
    : random(seed), game(settings, random), dataDir_(dataDir) {}

GameSession::~GameSession() {
    loaded_ = false;
    window_.reset(); // the window lets go of the game first
}

MessageContext GameSession::DialogContext() {
    return {[this] { return Q(settings.GameTitle); }, [this]() -> QWidget* { return Window(); },
            [this] {
                // The piece at the initial block marks the dialog.
                const PictureBox* cell =
                    Window() != nullptr ? Window()->Cell(settings.MidX, settings.MidY) : nullptr;
                return cell != nullptr ? cell->Picture() : QPixmap();
            }};
}

void GameSession::Start(const StartOptions& options) {
    std::unique_ptr<BusyCursor> busy;
    std::unique_ptr<frmStart> splash;
    const auto step = [&](int n) {
        if (splash) {
            splash->AddJunbiBar(n);
        }
    };
    if (options.Splash) {
        busy = std::make_unique<BusyCursor>();
        splash = std::make_unique<frmStart>(random);
        splash->show();
        QCoreApplication::processEvents();
    }
    if (options.ReadSettings) {
        tolvekin::ReadSettings(settings, dataDir_, options.Arguments);
    }
    if (splash) {
        splash->ResetTitle(Q(settings.GameTitle));
    }
    if (options.FitToScreen) {
        // The board shrinks to what fits on the screen, height before width.
        int32_t maxRows = 0;
        int32_t maxCols = 0;
        ScreenMetrics screen = ScreenMetricsOf(ScreenOf(nullptr));
        GetMaxBoardSize(screen, maxRows, maxCols);
        for (const QString& message : FitBoardToScreen(settings, maxRows, maxCols)) {
            MessageForm(message);
        }
    }
    game.AllocateBoard();
    step(2);

    std::function<void(int)> splashStep;
    if (splash) {
        splashStep = step;
    }
    window_ = std::make_unique<frmTolvek>(game, settings, dataDir_, splashStep);
    if (splash) {
        splash->Sets = &window_->Pictures();
    }
    window_->Load();
    game.SetThinker(thinker);
    loaded_ = true;
    // The bar reaches 8 with the board drawn, 9 with the count and 10 with side 1 to move.
    game.RestartGame([&step](int n) { step(7 + n); });

    busy.reset();
    splash.reset();
    if (!options.ShowWindow) {
        return;
    }
    window_->ShowAtStart();
}

} // namespace tolvekin
