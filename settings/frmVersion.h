#pragma once
// The version window: the game's name and version, the maker's credit and, when the build names
// one, a home-page address the user can select and copy. The options dialog shows it modally:
//
//     frmVersion(optionsDialog).exec();

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

namespace tolvekin {

class frmVersion : public QDialog {
    Q_OBJECT
public:
    static constexpr int StandardClientWidth = 314;
    static constexpr int StandardClientHeight = 126;

    // owner is the options dialog, on which the window centres. Without a home page the
    // address box stays hidden.
    explicit frmVersion(QWidget* owner = nullptr, const QString& homePage = ConfiguredHomePage());

    // The home page the build was configured with, "" for none.
    static QString ConfiguredHomePage();

    void cmdEnd_Click() { accept(); }
    // Offers the button あそびかた, which runs show; without it the button stays hidden.
    void SetHowToPlay(std::function<void()> show);

    QGroupBox* fraMaker = nullptr;
    QLabel* lblProgramVersion = nullptr;
    QLabel* lblCopy = nullptr;
    QLineEdit* txtHomePage = nullptr;
    QPushButton* cmdEnd = nullptr;
    QPushButton* cmdHowTo = nullptr;

private:
    std::function<void()> howToPlay_;
};

} // namespace tolvekin
