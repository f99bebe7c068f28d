#pragma once
// The window "あそびかた": how a piece is placed, how colours mix (with the table drawn from
// the game's colours), how a side scores, passes, the modes and strengths, and the keys. The
// main window opens it with F1 beside the game, one window reused; Escape closes it.

#include "ui/MixTable.h"

#include <QDialog>
#include <QLabel>
#include <QScrollArea>

namespace tolvekin {

class frmHelp : public QDialog {
    Q_OBJECT
public:
    // title is the game title, for the caption.
    explicit frmHelp(const QString& title, QWidget* owner = nullptr);

    // The caption follows the game title.
    void SetGameTitle(const QString& title);

    QScrollArea* scrText = nullptr;
    QLabel* lblRules = nullptr;   // placing, colours
    MixTable* picMix = nullptr;   // the mixing table
    QLabel* lblScoring = nullptr; // score, passes, modes and strengths, keys
};

// The texts of the window, as rich text: before and after the mixing table.
QString HelpRulesText();
QString HelpScoringText();

} // namespace tolvekin
