#pragma once
// The main window's panel controls and pictures, by the names the game's procedures use, and the
// table the panel is made from. The window holds them and hands them out in one place,
// frmTolvek::Controls(), for the tests; the board's own controls are the board widget's
// (BoardControls).

#include "common/layout/ControlTable.h"
#include "ui/Artwork.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <span>

namespace tolvekin {

struct MainWindowControls {
    QPushButton* cmdScore = nullptr;
    QPushButton* cmdRestart = nullptr;
    QPushButton* cmdEnd = nullptr;
    QPushButton* cmdPass = nullptr;
    std::array<QPushButton*, 3> cmdColor{};
    PictureBox* picMode = nullptr;
    QLabel* lblModeGuide = nullptr;
    QLabel* lblLevelGuide = nullptr;
    QLabel* lblResult = nullptr;
    std::array<QLabel*, 2> lblCount{};
    std::array<QLabel*, 2> lblCountBlack{};
    std::array<QLabel*, 2> lblCountColor{};
    std::array<QLabel*, 2> lblTotal{};
    std::array<PictureBox*, 3> picChar{};    // elements 1 and 2
    std::array<PictureBox*, 3> picCharImg{}; // elements 1 and 2
    std::array<PictureBox*, 3> imgChar{};    // elements 1 and 2
    std::array<QLabel*, 3> lblName{};        // elements 1 and 2
    std::array<QLabel*, 3> lblComment{};     // elements 1 and 2
    QLabel* lblTitle = nullptr;
    std::array<QPixmap, artwork::ModePictureCount> imgMode;
    std::array<QPixmap, 2> imgCursor;
    QPixmap imgBack;
};

// The panel's controls, in the order they are made (which is also the order of Tab).
std::span<const ControlRow> MainWindowPanel();
// Fills the panel's names from the controls made from that table.
void TakePanelControls(const MadeControls& made, MainWindowControls& controls);

} // namespace tolvekin
