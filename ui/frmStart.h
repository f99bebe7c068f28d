#pragma once
// The splash window shown while the game starts: title, version, two character pictures that
// change at every step once the main window exists, and a ten-step preparation bar.

#include "engine/Random.h"

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include <array>

namespace tolvekin {

class PictureBox;
struct PictureSets;

class frmStart : public QWidget {
    Q_OBJECT
public:
    frmStart(RandomSource& random, QWidget* parent = nullptr);

    // Advances the bar to step tenths (a full bar from 10 on); once the main window exists it
    // shows two random character pictures and pauses one timer period.
    void AddJunbiBar(int step);
    // Caption and title label from the game title.
    void ResetTitle(const QString& gameTitle);

    // The picture sets the splash draws from once the main window has loaded them.
    const PictureSets* Sets = nullptr;

    QLabel* lblTitle = nullptr;
    QLabel* lblType = nullptr;
    QLabel* lblVersion = nullptr;
    std::array<PictureBox*, 2> picChar{};
    QLabel* lblGuide01 = nullptr;
    QLabel* lblGuide02 = nullptr;
    QWidget* barJunbi = nullptr;
    QTimer timDelay;
    double BarUnit = 0;

private:
    RandomSource& random_;
};

// True if a top-level window of that name exists.
bool IsFormLoaded(const QString& name);

} // namespace tolvekin
