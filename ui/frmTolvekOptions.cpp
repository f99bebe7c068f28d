// The main window's options part: the dialog opened on a click of the background or the mode
// picture, and what the window shows of the dialog's choices while it is open and once they
// are confirmed.

#include "ui/frmTolvek.h"

#include "common/layout/WindowGeometry.h"
#include "settings/SettingColor.h"
#include "settings/frmOptBrd.h"
#include "ui/ScreenMetricsOf.h"

namespace tolvekin {

void frmTolvek::Form_Click() {
    // The game pauses its timers around the dialog and opens nothing during a replay.
    game_.OptionsClick([this] {
        frmOptBrd dialog(settings_, *this, this);
        dialog.exec();
    });
}

OptionsFacts frmTolvek::Facts() const {
    OptionsFacts facts;
    facts.MoveMade = game_.State.MoveCount != 0;
    facts.AutoPlayActive = game_.AutoPlayActive();
    facts.UserLevel = game_.SavedLevel;
    facts.WindowTopLeft = pos();
    facts.Screen = ScreenMetricsOf(screen());
    facts.Screen.PanelWidth = panelWidth_;
    facts.WindowTopTwips = y() * TwipsPerPixelY(*this);
    facts.WindowLeftTwips = x() * TwipsPerPixelX(*this);
    facts.BoardColor = boardColor_;
    facts.BackgroundColor = backgroundColor_;
    facts.BackgroundPainted = ColorFromSetting(backgroundColor_, palette());
    return facts;
}

void frmTolvek::ShowLook(const BoardLook& look) {
    if (look.SeeThrough) {
        SetBoardSeeThrough(*look.SeeThrough);
    }
    if (look.BackPicture) {
        ShowBackPicture(*look.BackPicture);
    }
    if (look.BoardColor && *look.BoardColor != boardColor_) {
        SetBoardColor(*look.BoardColor);
    }
    if (look.BackgroundColor && *look.BackgroundColor != backgroundColor_) {
        SetBackgroundColor(*look.BackgroundColor);
        // The raised frames sit on the background: paint them again over the new one.
        RedrawFrames();
    }
}

void frmTolvek::ApplySettings(const ConfirmedChanges& changes) {
    ApplyBoardLook();
    if (changes.GameOptions) {
        ShowGameTitle();
        ChangeChar(1);
        ChangeChar(2);
        ChangeMode();
        ChangeLevel();
    }
    if (changes.PieceColours) {
        const bool mono = game_.Options.MonoPieces;
        game_.SetMonoPieces(mono);
        ApplyMonoMode(mono);
        RedrawOccupiedCells();
    }
    // The hint cursors follow the settings; a new arrangement of the panel needs its frames.
    SetCursor();
    update();
    RedrawFrames();
}

void frmTolvek::ShowHowToPlay() {
    OpenHowToPlay(true);
}

} // namespace tolvekin
