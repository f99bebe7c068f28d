#pragma once
// The colour picker: the board colour or the background colour of the main window, chosen from
// 48 palette colours and the system colour of button faces. Every click is shown on the main
// window at once through the caller's preview callback; the settings are left alone. The
// options dialog uses it like this:
//
//     frmColor picker(title, optionsDialog);
//     picker.Preview = [&](int32_t colour) { mainWindow.SetBoardColor(colour); ... };
//     picker.SetColorType(1, currentBoardColour);
//     picker.exec();
//     currentBoardColour = picker.Color(); // the last colour clicked, or the one given
//
// Colours are settings values: &H00BBGGRR, or &H800000nn for a system colour.

#include <QDialog>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace tolvekin {

class frmColor : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardClientWidth = 244;
    static constexpr int StandardClientHeight = 249;
    static constexpr int PaletteSize = 48;
    static constexpr int SystemColorButton = 48;
    static const std::array<int32_t, PaletteSize> PaletteColors;

    // gameTitle starts the caption; owner is the options dialog, on which the picker centres.
    explicit frmColor(const QString& gameTitle, QWidget* owner = nullptr);

    // 1: the board colour; anything else: the window background. current is the colour the
    // main window shows now.
    void SetColorType(int32_t pType, int32_t current);
    int32_t COLOR_TYPE = 0;

    // Called with each colour clicked, to show it on the main window.
    std::function<void(int32_t)> Preview;

    // The colour being edited: the last one clicked, or the one given to SetColorType.
    int32_t Color() const { return color_; }
    // The colour of palette button i (0..48).
    static int32_t ButtonColor(int i);

    void cmdColor_Click(int index);
    void cmdClose_Click();

    // Controls: cmdColor[0..47] the palette, cmdColor[48] the system-colour button.
    std::vector<QPushButton*> cmdColor;
    QLabel* lblTitle = nullptr;
    QPushButton* cmdClose = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowColor(int32_t value);
    void FocusCurrentColor();

    QString title_;
    QPalette system_; // the platform's colours, for system colour values
    int32_t color_ = 0;
};

} // namespace tolvekin
