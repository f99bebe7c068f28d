#pragma once
// The character maker's window: the magnified 48 x 48 grid on the left, the real-size preview
// and the buttons on the right.

#include "common/layout/WindowGeometry.h"
#include "maker/Conversion.h"
#include "maker/MakerWidgets.h"
#include "maker/Outline.h"
#include "maker/PointGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <array>
#include <vector>

namespace zenbro {

class frmZenbro : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 606;
    static constexpr int ClientHeight = 528;
    static constexpr int BoardSide = 529;

    // dataDir: the folder of the character files, with a trailing "/"; empty for the current
    // folder. The constructor runs the load handler.
    explicit frmZenbro(const QString& dataDir = {}, QWidget* parent = nullptr);

    const QString& DataDir() const { return dataDir_; }
    // The base name of the selected target: TLVSUN, TLVFISH or TLVBEAR.
    QString BaseName() const;
    const GridGeometry& Geometry() const { return geometry_; }
    // Whether the cell is set (shows the black picture).
    bool IsSet(int index) const { return outline_.IsSet(index); }
    // What the last conversion wrote and could not write.
    const ConversionReport& LastReport() const { return lastReport_; }
    QSize OuterSize() const { return tolvekin::OuterSize(*this); }

    void SetPointBlack(int index);
    void SetPointWhite(int index);

    // What the user clicks.
    void picPoint_Click(int index);
    void cmdRead_Click();
    void cmdWrite_Click();
    void cmdConvert_Click();
    void cmdBackup_Click();
    void cmdRestore_Click();
    void cmdClear_Click();
    void cmdLine_Click();
    void cmdClose_Click();

    // Controls, in the order of the window's layout.
    QWidget* picBoard = nullptr;
    std::vector<PointCell*> picPoint;
    QPushButton* cmdClose = nullptr;
    PreviewBox* picReal = nullptr;
    QLabel* lblReal = nullptr;
    QPushButton* cmdRead = nullptr;
    QPushButton* cmdWrite = nullptr;
    QPushButton* cmdConvert = nullptr;
    QGroupBox* frmTaisho = nullptr;
    std::array<QRadioButton*, 3> optTai{};
    QLabel* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* cmdBackup = nullptr;
    QPushButton* cmdRestore = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdLine = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* imgBlack = nullptr;

    // The grid saved aside by 待避.
    Points PointBackup{};

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void BuildControls();
    void LayOutCells();
    // Every cell from PointBackup; repaints the preview from the cells.
    void RestorePoints();
    // Shows a change of the drawing: the cell changed (or every cell) and the preview.
    void ShowChange(int index);
    // Sets or clears every cell from the last one dragged over to the one under `inBoard`.
    void DragTo(QPoint inBoard);
    int CellAt(QPoint inBoard) const;
    // Lets the window repaint the preview while a conversion recolours it.
    void RepaintPreview();
    // Whether piece pictures of the chosen character lie in the folder already.
    bool HasPiecePictures() const;
    // The chosen character as its option button names it: 太陽, 海 or 山.
    QString TargetCaption() const;

    QString dataDir_;
    GridGeometry geometry_;
    Outline outline_;
    ConversionReport lastReport_;
    bool busy_ = false;
    bool closeAnswered_ = false; // 終了 has asked already
    bool dragSets_ = false;
    int dragCell_ = -1;
};

// The question before 変換保存 replaces a character's pictures: which character (its target
// caption, and its name when it has one).
QString ReplaceQuestion(const QString& target, const QString& name);

} // namespace zenbro
