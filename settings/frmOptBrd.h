#pragma once
// The options dialog ("とりきめ"): every setting but the window position. It edits the settings
// in place and previews colours and the board's look on the main window; 決定 applies the rest
// and saves the settings file, 取消 puts back everything as it was when it opened, 初期化 loads the
// built-in settings. The main window opens it modally:
//
//     frmOptBrd dialog(settings, host, mainWindow);
//     dialog.exec();
//
// Esc is 取消. The close box closes it as things are, without saving and without restoring.

#include "settings/OptionsHost.h"
#include "settings/Settings.h"
#include "settings/mdlOption.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <array>
#include <string_view>
#include <vector>

namespace tolvekin {

class frmOptBrd : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardClientWidth = 393;
    static constexpr int StandardClientHeight = 300;
    static const QColor Background; // &H00FFFFC0

    // owner is the main window (the dialogs opened from here centre on this one).
    frmOptBrd(Settings& settings, OptionsHost& host, QWidget* owner = nullptr);

    // Every control of the settings list from the settings, and back.
    void ShowOptions();
    void TakeOptions();
    // Disables everything that would change the game itself.
    void LockGameOptions();
    bool GameOptionsLocked() const { return locked_; }

    // Handlers, as the user triggers them.
    void cmdSize_Click();
    void cmdColor_Click(int index);
    void cmdVersion_Click();
    void cmdInitial_Click();
    void cmdCancel_Click();
    void cmdClose_Click();

    // Controls, in the order of the window.
    QGroupBox* fraBoard = nullptr;
    QCheckBox* chkFlash = nullptr;
    QCheckBox* chkCursor = nullptr;
    QCheckBox* chkWaku = nullptr;
    QCheckBox* chkCross = nullptr;
    QCheckBox* chkSeeThru = nullptr;
    QCheckBox* chkBack = nullptr;
    QPushButton* cmdSize = nullptr;
    std::array<QPushButton*, 2> cmdColor{};
    QGroupBox* fraName = nullptr;
    QLabel* lblGameTitle = nullptr;
    QLineEdit* txtGameTitle = nullptr;
    std::array<QLabel*, 3> lblKoma{};
    std::array<QLineEdit*, 3> txtKoma{};
    QGroupBox* fraLeft = nullptr;
    std::array<QRadioButton*, 3> optLeft{};
    QGroupBox* fraRight = nullptr;
    std::array<QRadioButton*, 3> optRight{};
    QGroupBox* fraRule = nullptr;
    QGroupBox* fraMode = nullptr;
    std::array<QRadioButton*, 3> optMode{};
    QGroupBox* fraLevel = nullptr;
    std::array<QRadioButton*, 3> optLevel{}; // 弱い, 強い, 名人
    QGroupBox* fraMono = nullptr;
    std::array<QRadioButton*, 2> optMono{};
    QPushButton* cmdInitial = nullptr;
    QPushButton* cmdVersion = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The controls that show one entry of the settings list.
    struct Binding {
        std::string_view Key;
        QCheckBox* Check = nullptr;
        QLineEdit* Text = nullptr;
        std::vector<QRadioButton*> Options; // in the order of the entry's choices
    };

    void CreateControls();
    void ArrangeTabOrder();
    void BindSettings();
    void KeepTabOnCheckedButtons();
    void ConnectReactions();
    void PlaceOnScreen();
    const Binding* BindingOf(std::string_view key) const;
    void chkSeeThru_Click(bool ticked);
    void chkBack_Click(bool ticked);
    void optMode_Click(int index);

    Settings& settings_;
    OptionsHost& host_;
    SettingsSnapshot snapshot_;
    Settings atOpening_; // every setting as the dialog found it
    std::vector<Binding> bindings_;
    bool locked_ = false;
};

} // namespace tolvekin
