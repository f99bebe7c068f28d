#pragma once
// The controls of the main window, by the names the game's procedures use. The window holds
// them and hands them out in one place, frmTolvek::Controls(), for the tests and the windows that
// arrange the main window.

#include "ui/Artwork.h"
#include "ui/PictureBox.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <vector>

namespace tolvekin {

struct MainWindowControls {
    QLabel* lblBoard = nullptr;
    std::vector<PictureBox*> picKoma; // by CellIndex
    std::vector<QWidget*> lineTate;
    std::vector<QWidget*> lineYoko;
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
    int FlashCell = 0;  // the cell whose piece blinks
    int FlashCount = 0; // toggles so far
};

} // namespace tolvekin
