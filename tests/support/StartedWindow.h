#pragma once
// The main window started as the game starts it, for the window tests: the whole session
// (settings, thinker, game and window) in one object. A test sets the settings, then starts.

#include "app/GameSession.h"
#include "ui/frmTolvek.h"

#include <QString>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstdint>

namespace tolvekin::testing {

// A folder of its own for a window's files, made before the window and removed after it.
struct TemporaryDataDir {
    QTemporaryDir dir;

    QString DataDir() const { return dir.path() + "/"; }
    QString Path(const QString& name) const { return dir.filePath(name); }
};

struct StartedWindow {
    GameSession session;
    Settings& settings = session.settings;
    Game& game = session.game;
    frmTolvek* form = nullptr;

    StartedWindow(const QString& dataDir, uint64_t seed) : session(dataDir, seed) {}

    // A board of w x h cells with the initial block in its middle.
    void SetBoard(int w, int h) {
        settings.BoardWidth = w;
        settings.BoardHeight = h;
        settings.MidX = static_cast<int>(std::nearbyint(w / 2.0));
        settings.MidY = static_cast<int>(std::nearbyint(h / 2.0));
    }

    // The settings as the test left them and the board as large as asked; the window hidden.
    static StartOptions AsSet() {
        StartOptions options;
        options.ReadSettings = false;
        options.FitToScreen = false;
        return options;
    }
    void Start(const StartOptions& options = AsSet()) {
        session.Start(options);
        form = session.Window();
    }
    void StartShown() {
        StartOptions options = AsSet();
        options.ShowWindow = true;
        Start(options);
    }

    MainWindowControls& c() { return form->Controls(); }
    // The window as the game and the options dialog reach it.
    GameView& view() { return *form; }
    OptionsHost& host() { return *form; }
    PictureBox* Cell(int x, int y) { return form->Cell(x, y); }
    void ClickCell(int x, int y) { QTest::mouseClick(Cell(x, y), Qt::LeftButton); }
};

} // namespace tolvekin::testing
