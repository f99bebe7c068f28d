#pragma once
// The game's objects and the start-up that joins them. They are made in one order and unmade in
// the reverse one: settings, the random source, the thinker, the game, then the main window; the
// window lets go of the game as it goes.

#include "common/dialogs/MessageDialogs.h"
#include "engine/Game.h"
#include "engine/Random.h"
#include "settings/Settings.h"
#include "ui/ThreadThinker.h"
#include "ui/frmTolvek.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>

namespace tolvekin {

struct StartOptions {
    QStringList Arguments;    // the command line, for the settings reader
    bool ReadSettings = true; // false: start with the settings as they are
    bool FitToScreen = true;  // shrink a board that does not fit, with a message
    bool Splash = false;      // the splash window and the hourglass while starting
    bool ShowWindow = false;  // show the main window at the end
};

class GameSession {
public:
    GameSession(const QString& dataDir, uint64_t seed);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // Settings, board, main window with its character pictures and the first game, in that
    // order. A click on the window's background then opens the options dialog.
    void Start(const StartOptions& options);

    // The main window once it has loaded, else nullptr.
    frmTolvek* Window() const { return loaded_ ? window_.get() : nullptr; }
    // What the message dialog shows of the game: its title, the main window, the mark.
    MessageContext DialogContext();

    Settings settings;
    MtRandom random;
    ThreadThinker thinker; // 名人 thinks here, off the window's thread; outlives the game
    Game game;

private:
    QString dataDir_;
    std::unique_ptr<frmTolvek> window_;
    bool loaded_ = false;
};

} // namespace tolvekin
