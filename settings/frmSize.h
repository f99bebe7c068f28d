#pragma once
// The board-size dialog ("サイズの変更"): the board's height and width for the next start and the
// top-left cell of the initial 2 x 2 block, chosen on a preview of numbered cells. The options
// dialog opens it modally and afterwards copies the four results into the next-start values:
//
//     frmSize dialog(settings, screen, mainWindowBackground, optionsDialog);
//     dialog.SetForm(settings.BoardWidth, settings.BoardHeight, settings.MidX, settings.MidY);
//     dialog.exec();
//     settings.NextMaxBoardX = dialog.RTN_MAX_BOARD_X; // likewise Y, NextMidX, NextMidY
//
// 閉じる hands back the previewed values; the close box (or Esc) hands back SetForm's.

#include "settings/Settings.h"
#include "settings/mdlOption.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace tolvekin {

class frmSize : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardClientWidth = 324;
    static constexpr int StandardClientHeight = 185;

    // settings gives the title and, with screen, the largest board (Max); background is the
    // main window's background colour; owner is the options dialog, on which the dialog centres.
    frmSize(Settings& settings, const ScreenMetrics& screen, const QColor& background,
            QWidget* owner = nullptr);

    void SetForm(int32_t pMaxX, int32_t pMaxY, int32_t pMidX, int32_t pMidY);

    // The results, read after the dialog has closed.
    int32_t RTN_MAX_BOARD_X = 0;
    int32_t RTN_MAX_BOARD_Y = 0;
    int32_t RTN_MID_X = 0;
    int32_t RTN_MID_Y = 0;

    // What the preview shows now.
    int32_t PreviewWidth() const { return previewWidth_; }
    int32_t PreviewHeight() const { return previewHeight_; }
    int32_t BlockX() const { return blockX_; }
    int32_t BlockY() const { return blockY_; }
    bool WeightsShown() const { return weightsShown_; }

    // Handlers, as the user triggers them.
    void cmdCheck_Click(); // 仮決定
    void cmdMax_Click(int index);
    void cmdClose_Click();
    void lblKoma_Click(int index); // a preview cell, 1..n
    void Form_MouseDown(Qt::MouseButton button);

    // Controls. lblKoma[0] is the hidden template of the preview cells.
    QLabel* lblGuide = nullptr;
    QLabel* lblTate = nullptr;
    QLineEdit* txtTate = nullptr;
    QLabel* lblYoko = nullptr;
    QLineEdit* txtYoko = nullptr;
    std::array<QPushButton*, 2> cmdMax{};
    QPushButton* cmdCheck = nullptr;
    std::array<QLabel*, 2> lblGuide2{};
    QPushButton* cmdClose = nullptr;
    std::vector<QLabel*> lblKoma;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildPreview(int32_t cols, int32_t rows);
    void MarkInitialBlock(int32_t x, int32_t y);
    void ShowGuide(bool visible);
    void CreateControls();
    void PaintCell(QLabel* cell, const QColor& back, const QColor& text);

    ScreenMetrics screen_;
    std::vector<QString> tags_; // tag of lblKoma[i] at tags_[i]
    QStringList keptCaptions_;  // the cell numbers while the weights are shown
    int32_t previewWidth_ = 0;
    int32_t previewHeight_ = 0;
    int32_t blockX_ = 0;
    int32_t blockY_ = 0;
    bool weightsShown_ = false;
};

} // namespace tolvekin
