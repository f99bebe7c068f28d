#pragma once
// The score window. In entry mode it shows the table with the new entry in white and takes its
// name (or, for two players, a comment); 閉じる writes the file. In view mode it reads the
// table, offers the replay of every entry with a stored game, clearing and repair. Shown
// modally and made anew each time:
//
//     frmScore window(table, settings, entryMode, mainWindow);
//     window.exec();
//     if (window.ReplayEntry() != 0) { ... replay table.Games[window.ReplayEntry()] ... }

#include "scores/ScoreFile.h"
#include "scores/ScoreTable.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace tolvekin {

// What the window shows of the game it belongs to.
struct ScoreWindowSettings {
    QString GameTitle;
    int32_t GameMode = 1;
    QString LevelText; // the strength as the main window shows it
    int32_t BoardWidth = 8;
    int32_t BoardHeight = 8;
    QString DefaultName; // the name side 1 is shown under
    QString FilePath;    // the score file of this mode, strength and board
};

inline constexpr int ScoreRows = MaxScoreEntries;

class frmScore : public QDialog {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 454;
    static constexpr int ClientHeight = 333;

    // The table is shown as it is in entry mode and read from the file in view mode.
    frmScore(ScoreTable& table, const ScoreWindowSettings& settings, bool entryMode,
             QWidget* parent = nullptr);

    // The entry (1..10) chosen for replay, 0 for none.
    int ReplayEntry() const { return replayEntry_; }
    bool ScoreEntryMode() const { return entryMode_; }

    // Handlers, as a user works the window.
    void cmdClose_Click();
    void cmdClear_Click();
    void cmdRepair_Click();
    void cmdNum_Click(int index);
    void lblScore2_Click(int index);
    // Escape and the close box: 閉じる in view mode; with a new entry, a question first.
    void reject() override;

    // Controls, top to bottom and left to right; row arrays by element 0..9.
    QLabel* lblTitle = nullptr;
    QLabel* lblSize = nullptr;
    QLabel* lblLevelGuide = nullptr;
    QLabel* lblLevel = nullptr;
    std::array<QLabel*, 7> lblSubTitle{};
    std::array<QLabel*, ScoreRows> lblScore1{};
    std::array<QPushButton*, ScoreRows> cmdNum{};
    std::array<QLabel*, ScoreRows> lblScore2{};
    std::array<QLabel*, ScoreRows> lblScore3{};
    std::array<QLabel*, ScoreRows> lblScore4{};
    std::array<QLabel*, ScoreRows> lblScore5{};
    std::array<QLabel*, ScoreRows> lblScore6{};
    std::array<QLabel*, ScoreRows> lblScore7{};
    QLabel* lblNameGuide = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* cmdRepair = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdClose = nullptr;

    // The seven labels of row element i, lblScore1 first.
    std::array<QLabel*, 7> RowLabels(int i) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    // The load steps: captions, the table (read in view mode), the new row in white.
    void Form_Load();
    void ShowTable();
    QString ScorePath() const;

    ScoreTable& table_;
    ScoreWindowSettings settings_;
    bool entryMode_;
    int replayEntry_ = 0;
};

// The texts of the window.
// Asked before a new entry's window closes without writing it.
inline const QString LeaveUnrecordedQuestion = QStringLiteral("記録しないで閉じますか？");
inline const QString RepairQuestion = QStringLiteral("スコアファイルを修復しますか？");
// The question before the table is erased, for two players and for the others.
QString ClearScoreQuestion(int32_t gameMode);

} // namespace tolvekin
