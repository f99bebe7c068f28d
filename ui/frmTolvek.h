#pragma once
// The main window: the board on the left, the side panel on the right. It carries out what the
// rules engine asks through GameView and passes every click on to the engine's handlers.

#include "common/layout/WindowGeometry.h"
#include "engine/Game.h"
#include "settings/OptionsHost.h"
#include "settings/mdlOption.h"
#include "ui/BoardWidget.h"
#include "ui/FocusMark.h"
#include "ui/MainWindowControls.h"
#include "ui/PictureBox.h"
#include "ui/PiecePictures.h"
#include "ui/QtGameClock.h"
#include "ui/ScoreKeeper.h"
#include "ui/frmHelp.h"
#include "ui/mdlCheap3D.h"

#include <QWidget>

#include <array>
#include <functional>
#include <vector>

namespace tolvekin {

// The window is the game's display. It holds the game's clock (four timers) and the keeper of
// finished games, hands them to the game with itself once loaded and takes all three back when
// it goes. It is also the options dialog's host: a click on its background or mode picture
// opens the dialog on it. The game and the dialog reach the window through their interfaces
// (GameView&, OptionsHost&), whose handlers are the window's own and stay private.
class frmTolvek : public QWidget, public GameView, public OptionsHost, private MainWindowControls {
    Q_OBJECT
public:
    // splashStep advances the start-up bar while the window loads (may be empty).
    frmTolvek(Game& game, Settings& settings, const QString& dataDir,
              std::function<void(int)> splashStep = {}, QWidget* parent = nullptr);
    ~frmTolvek() override;

    // Builds every control for the running board size and reads the character maker's
    // pictures, then hands the game this window, its clock and its keeper: the load handler.
    void Load();
    // What the window does when it is first shown: the board takes the keyboard on its first
    // cell, the panel shows both sides and the window its colours and raised frames.
    void ShowAtStart();

    // The panel's controls, for the tests, which click and read them as a player would.
    MainWindowControls& Controls() { return *this; }
    // The board with its cells, its keyboard cursor and its last-move mark, or nullptr before
    // it is built.
    BoardWidget* Board() const { return board_; }
    // The picture of the cell at (x, y), or nullptr before the board is built.
    PictureBox* Cell(int x, int y) const;
    // Whether a raised frame is drawn around control (frames are painted, not widgets).
    bool HasFrame3D(const QWidget* control) const { return frames_.Has(control); }

    // The pieces' pictures: built-in copies, replaced one by one by the character maker's files.
    const PictureSets& Pictures() const { return pictures_; }

    // The game's timers, which the tests run tick by tick.
    QtGameClock& Clock() { return clock_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Watches the panel's own controls: refuses their input while a piece blinks, catches
    // clicks on lblTitle and cmdPass held down, and passes on the window's keys.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // GameView, reached through the game.
    void MessageForm(const std::string& text) override;
    bool QuestionForm(const std::string& text) override;
    void EnterHintMode() override;
    void ApplyControls(const ControlStates& controls) override;
    void ClearCellPictures() override;
    void ShowNextPiece(Side side, int color) override;
    void ShowTurn(Side from, Side to) override;
    void ShowCount() override;
    void ShowGameOver(Side winner, const std::string& resultText) override;
    void RedrawBoard() override;
    void ShowFlashPiece(int x, int y) override;
    void ToggleFlashPiece() override;
    void EndFlash() override;
    void ChangeMode() override;
    void ChangeLevel() override;
    void SetCursor() override;
    void FocusFirstCell() override;

    // OptionsHost, reached through the options dialog.
    OptionsFacts Facts() const override;
    void ShowLook(const BoardLook& look) override;
    void ApplySettings(const ConfirmedChanges& changes) override;
    void ShowHowToPlay() override;

    // Clicks, as the player makes them.
    void picChar_Click(int side);
    void cmdPass_MouseDown();
    void cmdPass_MouseUp();
    void cmdScore_Click();
    void cmdEnd_Click();
    // The background or the mode picture: the options dialog, with the game's timers paused.
    void Form_Click();
    void lblTitle_Click();
    // A key for the whole window: F1, the arrow keys and Home (which move the keyboard's cell
    // and give the board the focus), B, Y, R and 1, 2, 3 (the colour buttons). True when the key
    // was one of them.
    bool KeyPress(int key, Qt::KeyboardModifiers modifiers);
    // Space held on 置けるところ, H held on the board: the places show until the key goes up.
    // HintKeyUp is true when the key was H, which goes no further.
    void HintKeyDown(int key);
    bool HintKeyUp(int key);
    // A key at a panel control; true when it goes no further.
    bool PanelKeyEvent(QObject* watched, QEvent* event);

    void CreatePanel();
    void ConnectPanel();
    void FitVariantFont();
    void BuildBoard();
    void BuildFocusMark();
    void FocusBoard();
    const std::vector<PictureBox*>& Cells() const { return board_->Controls().picKoma; }
    // While a piece blinks the board and the panel take no input.
    void RefuseInput(bool refused);
    void ArrangePanel();
    // The window "あそびかた" beside the game, made on first use. Over open dialogs it is modal
    // while it is shown, so it takes the keys and the mouse before them.
    void OpenHowToPlay(bool overDialogs);

    // The side's turn box, emblem, name and variant for its character set.
    void ChangeChar(int side);
    void ApplyBoardLook();
    void ShowBackPicture(bool show);
    void ApplyMonoMode(bool mono);
    // The board label without a colour of its own shows the window through it.
    void SetBoardSeeThrough(bool seeThrough);
    // The title label and the window's caption show GameTitle.
    void ShowGameTitle();
    // Raised frames drawn again around the turn box of the side to move (unless it is hidden)
    // and the mode picture, after the window's colour has changed.
    void RedrawFrames();
    void DrawFrame3D(const QWidget* control);
    void EraseFrame3D(const QWidget* control);
    // Colours of the board label and the window as settings values, system colours included.
    void SetBoardColor(int32_t value);
    void SetBackgroundColor(int32_t value);

    void LoadBuiltinPictures();
    void LoadCharPictures();
    void SetPiecePicture(PictureBox* target, int side, int value);
    void DrawCell(int x, int y);
    // Every piece on the board drawn again, after the pieces' look has changed.
    void RedrawOccupiedCells();
    // Panel texts in black on a light window, in white on a dark one.
    void ApplyPanelTextColour();
    QString BackPicturePath() const;

    Game& game_;
    Settings& settings_; // the game's options and how the window shows them
    QString dataDir_;
    std::function<void(int)> splashStep_;
    QtGameClock clock_;
    ScoreKeeper keeper_;
    Cheap3DFrames frames_;
    PictureSets pictures_;
    int32_t boardColor_ = 0xFFFFFF;
    int32_t backgroundColor_ = SystemButtonFace;
    // Twips from the side panel's left edge to the window's right edge, measured on loading.
    int32_t panelWidth_ = DefaultPanelWidth;
    std::vector<QWidget*> panel_; // every control that moves with the panel
    BoardWidget* board_ = nullptr;
    FocusMark* focusMark_ = nullptr;
    QMetaObject::Connection focusFollower_; // moves focusMark_ to the focused panel button
    frmHelp* help_ = nullptr;
    int hintKey_ = 0; // the key that holds the places shown, 0 for none
    // The cells the places were shown on: they go when the button goes up, even when the turn
    // has passed meanwhile (the computer's move landing while the button is held).
    std::vector<size_t> placesShown_;
    QFont variantFont_;     // of both variant labels
    bool blocking_ = false; // input to the window and its panel is refused while a piece blinks
    int flashCell_ = 0;     // the cell whose piece blinks
    int flashCount_ = 0;    // toggles so far
};

} // namespace tolvekin
