#include "ui/frmTolvekOptions.h"

#include "common/layout/WindowGeometry.h"
#include "settings/SettingColor.h"
#include "settings/frmOptBrd.h"
#include "ui/ScreenMetricsOf.h"
#include "ui/frmTolvek.h"

namespace tolvekin {

OptionsFacts frmTolvekOptions::Facts() const {
    OptionsFacts facts;
    facts.MoveMade = game_.State.MoveCount != 0;
    facts.AutoPlayActive = game_.AutoPlayActive();
    facts.UserLevel = game_.SavedLevel;
    facts.WindowTopLeft = window_.pos();
    facts.Screen = ScreenMetricsOf(window_.screen());
    facts.Screen.PanelWidth = window_.PanelWidth();
    facts.WindowTopTwips = window_.y() * TwipsPerPixelY(window_);
    facts.WindowLeftTwips = window_.x() * TwipsPerPixelX(window_);
    facts.BoardColor = window_.BoardColor();
    facts.BackgroundColor = window_.BackgroundColor();
    facts.BackgroundPainted = ColorFromSetting(window_.BackgroundColor(), window_.palette());
    return facts;
}

void frmTolvekOptions::ShowLook(const BoardLook& look) {
    if (look.SeeThrough) {
        window_.SetBoardSeeThrough(*look.SeeThrough);
    }
    if (look.BackPicture) {
        window_.ShowBackPicture(*look.BackPicture);
    }
    if (look.BoardColor && *look.BoardColor != window_.BoardColor()) {
        window_.SetBoardColor(*look.BoardColor);
    }
    if (look.BackgroundColor && *look.BackgroundColor != window_.BackgroundColor()) {
        window_.SetBackgroundColor(*look.BackgroundColor);
        // The raised frames sit on the background: paint them again over the new one.
        window_.RedrawFrames();
    }
}

void frmTolvekOptions::ApplySettings(const ConfirmedChanges& changes) {
    window_.ApplyBoardLook();
    if (changes.GameOptions) {
        window_.ShowGameTitle();
        window_.ChangeChar(1);
        window_.ChangeChar(2);
        window_.ChangeMode();
        window_.ChangeLevel();
    }
    if (changes.PieceColours) {
        const bool mono = game_.Options.MonoPieces;
        game_.SetMonoPieces(mono);
        window_.ApplyMonoMode(mono);
        window_.RedrawOccupiedCells();
    }
    // The hint cursors follow the settings; a new arrangement of the panel needs its frames.
    window_.SetCursor();
    window_.update();
    window_.RedrawFrames();
}

void frmTolvekOptions::ShowHowToPlay() {
    window_.ShowHowToPlay(true);
}

void ConnectOptionsDialog(frmTolvek& window, Game& game, Settings& settings) {
    window.ShowOptionsDialog = [&window, &game, &settings] {
        frmTolvekOptions host(window, game);
        frmOptBrd dialog(settings, host, &window);
        dialog.exec();
    };
}

} // namespace tolvekin
