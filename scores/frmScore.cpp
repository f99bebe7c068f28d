#include "scores/frmScore.h"

#include "common/BusyCursor.h"
#include "common/DialogSeam.h"
#include "common/Fonts.h"
#include "common/WindowGeometry.h"
#include "scores/ScoreFile.h"

#include <QMouseEvent>

namespace tolvekin {
namespace {

constexpr int RowTop = 64;
constexpr int RowStep = 24;

QLabel* NewLabel(QWidget* parent, const QString& text, const QRect& r,
                 Qt::Alignment align = Qt::AlignLeft) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(r);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

QPushButton* NewButton(QWidget* parent, const QString& text, const QRect& r) {
    auto* button = new QPushButton(text, parent);
    button->setGeometry(r);
    // Enter in the name box presses 閉じる alone, never a button that happens to have focus.
    button->setAutoDefault(false);
    return button;
}

void SetWhite(QLabel* label, bool white) {
    label->setAutoFillBackground(white);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, white ? QColor(Qt::white) : QPalette().color(QPalette::Window));
    label->setPalette(p);
}

} // namespace

QString ClearScoreQuestion(int32_t gameMode) {
    return (gameMode == 2 ? QStringLiteral("この記録を消します。")
                          : QStringLiteral("このスコアを消します。")) +
           QStringLiteral("\nよろしいですか？");
}

frmScore::frmScore(ScoreTable& table, const ScoreWindowSettings& settings, bool entryMode,
                   QWidget* parent)
    : QDialog(parent, FixedDialogFlags), table_(table), settings_(settings), entryMode_(entryMode) {
    setObjectName("frmScore");
    setFont(GothicFont(9.75));
    setFixedSize(ClientWidth, ClientHeight);
    CreateControls();
    Form_Load();
    move(CentreOnScreen(ScreenOf(nullptr), OuterSize(*this)));
}

void frmScore::CreateControls() {
    lblTitle = NewLabel(this, "", QRect(8, 8, 241, 19));
    lblTitle->setFont(GothicFont(14.25, true));
    lblSize = NewLabel(this, "[22×22]", QRect(252, 12, 55, 13));
    lblLevelGuide = NewLabel(this, "コンピュータ…", QRect(316, 16, 97, 17));
    lblLevel = NewLabel(this, "弱い", QRect(412, 14, 35, 16));
    lblLevel->setFont(GothicFont(12, true));

    const int subLeft[7] = {8, 48, 155, 192, 337, 369, 416};
    const char* subText[7] = {"順位", "名前", "点数", "日時", "個数", "黒個数", "色数　"};
    for (size_t i = 0; i < 7; ++i) {
        lblSubTitle[i] = NewLabel(this, subText[i], QRect(subLeft[i], 40, 0, 14));
        lblSubTitle[i]->adjustSize();
    }
    for (size_t i = 0; i < ScoreRows; ++i) {
        const int top = RowTop + RowStep * static_cast<int>(i);
        lblScore1[i] = NewLabel(this, "", QRect(8, top, 25, 14), Qt::AlignHCenter);
        cmdNum[i] = NewButton(this, "", QRect(8, top, 25, 17));
        cmdNum[i]->hide();
        const int index = static_cast<int>(i);
        connect(cmdNum[i], &QPushButton::clicked, this, [this, index] { cmdNum_Click(index); });
        lblScore2[i] = NewLabel(this, "", QRect(48, top, 97, 14));
        lblScore2[i]->installEventFilter(this);
        lblScore3[i] = NewLabel(this, "", QRect(149, top, 30, 14), Qt::AlignRight);
        lblScore4[i] = NewLabel(this, "", QRect(192, top, 137, 14));
        lblScore5[i] = NewLabel(this, "", QRect(340, top, 21, 14), Qt::AlignRight);
        lblScore6[i] = NewLabel(this, "", QRect(380, top, 20, 14), Qt::AlignRight);
        lblScore7[i] = NewLabel(this, "", QRect(424, top, 17, 14), Qt::AlignHCenter);
    }
    lblNameGuide = NewLabel(this, "よい得点なので名前を入れて下さい", QRect(8, 304, 209, 17));
    txtName = new QLineEdit(this);
    txtName->setGeometry(224, 304, 121, 19);
    connect(txtName, &QLineEdit::returnPressed, this, [this] { cmdClose_Click(); });
    cmdRepair = NewButton(this, "修復", QRect(4, 304, 73, 25));
    cmdRepair->setToolTip("ver1.3c以前に作成されてエラーになったファイルを修復します");
    cmdRepair->hide();
    cmdClear = NewButton(this, "クリア", QRect(288, 304, 73, 25));
    cmdClear->hide();
    cmdClose = NewButton(this, "閉じる", QRect(372, 304, 73, 25));
    connect(cmdRepair, &QPushButton::clicked, this, [this] { cmdRepair_Click(); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { cmdClear_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

std::array<QLabel*, 7> frmScore::RowLabels(int i) const {
    const size_t r = static_cast<size_t>(i);
    return {lblScore1[r], lblScore2[r], lblScore3[r], lblScore4[r],
            lblScore5[r], lblScore6[r], lblScore7[r]};
}

QString frmScore::ScorePath() const {
    return settings_.FilePath;
}

void frmScore::Form_Load() {
    BusyCursor busy;
    setWindowTitle(settings_.GameTitle + QStringLiteral("　スコア"));
    if (settings_.GameMode == 2) {
        lblLevelGuide->hide();
        lblLevel->hide();
        lblTitle->setText(settings_.GameTitle + QStringLiteral("　ふたりモードの記録"));
        lblTitle->adjustSize();
        lblSize->move(lblTitle->geometry().right() + 1 + 8, lblSize->y());
        lblSubTitle[0]->setText("順番");
        lblSubTitle[1]->setText("コメント");
        lblNameGuide->setText("コメントを入力してください");
    } else {
        lblLevel->setText(settings_.LevelText);
        lblTitle->setText(settings_.GameTitle + QStringLiteral("　ハイスコア"));
        lblTitle->adjustSize();
    }
    lblSubTitle[0]->adjustSize();
    lblSubTitle[1]->adjustSize();
    lblSize->setText(
        QStringLiteral("[%1×%2]").arg(settings_.BoardHeight).arg(settings_.BoardWidth));
    lblSize->adjustSize();
    txtName->setText(settings_.DefaultName);
    txtName->selectAll();

    if (!entryMode_) {
        const ScoreFileOutcome read =
            LoadScoreTable(table_, ScorePath(), settings_.BoardWidth, settings_.BoardHeight);
        if (!read.Message.isEmpty()) {
            busy.Release();
            MessageForm(read.Message);
        }
    }
    ShowTable();
    txtName->setVisible(entryMode_);
    lblNameGuide->setVisible(entryMode_);
    cmdClear->setVisible(!entryMode_);
    cmdRepair->setVisible(!entryMode_);
    // The keyboard starts on the name box, or on 閉じる: never on a replay button, where one
    // Space would start a replay.
    if (entryMode_) {
        txtName->setFocus();
    } else {
        cmdClose->setFocus();
    }
    replayEntry_ = 0;
}

void frmScore::ShowTable() {
    for (int i = 0; i < ScoreRows; ++i) {
        const int place = i + 1;
        const size_t r = static_cast<size_t>(i);
        const bool filled = place <= table_.EntryCount();
        const ScoreEntry blank;
        const ScoreEntry& e = filled ? table_.AtPlace(place) : blank;
        const QString placeText = filled ? QString::number(place) : QString();
        const bool replayable = !entryMode_ && e.Game.HasGame();
        cmdNum[r]->setText(placeText);
        cmdNum[r]->setVisible(replayable);
        lblScore1[r]->setText(placeText);
        lblScore1[r]->setVisible(!replayable);
        const auto number = [filled](int32_t n) { return filled ? QString::number(n) : QString(); };
        lblScore2[r]->setText(e.Name);
        lblScore3[r]->setText(number(e.Score));
        lblScore4[r]->setText(e.Date);
        lblScore5[r]->setText(number(e.Pieces));
        lblScore6[r]->setText(number(e.BlackPieces));
        lblScore7[r]->setText(number(e.Colours));
        for (QLabel* label : RowLabels(i)) {
            SetWhite(label, place == table_.NewPlace);
        }
    }
}

void frmScore::cmdClose_Click() {
    if (entryMode_) {
        const QString name = txtName->text();
        if (const std::optional<QString> refusal = ScoreNameRefusal(name)) {
            MessageForm(*refusal);
            return;
        }
        if (table_.NewPlace >= 1 && table_.NewPlace <= table_.EntryCount()) {
            table_.AtPlace(table_.NewPlace).Name = name;
        }
        const ScoreFileOutcome written = WriteScoreFile(table_, ScorePath());
        if (!written.Message.isEmpty()) {
            MessageForm(written.Message);
        }
    }
    replayEntry_ = 0;
    accept();
}

void frmScore::cmdClear_Click() {
    if (!QuestionForm(ClearScoreQuestion(settings_.GameMode))) {
        return;
    }
    const QString path = table_.ScoreFilePath.isEmpty() ? ScorePath() : table_.ScoreFilePath;
    const ScoreFileOutcome cleared = ClearScoreFile(path);
    if (!cleared.Ok) {
        MessageForm(cleared.Message);
        return;
    }
    Form_Load();
}

void frmScore::cmdRepair_Click() {
    if (!QuestionForm(RepairQuestion)) {
        return;
    }
    MessageForm(RepairScoreFile(ScorePath(), settings_.BoardWidth, settings_.BoardHeight).Message);
}

void frmScore::cmdNum_Click(int index) {
    replayEntry_ = index + 1;
    accept();
}

void frmScore::lblScore2_Click(int index) {
    if (entryMode_) {
        txtName->setText(lblScore2[static_cast<size_t>(index)]->text());
    }
}

bool frmScore::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        for (size_t i = 0; i < ScoreRows; ++i) {
            if (watched == lblScore2[i] && mouse->button() == Qt::LeftButton &&
                lblScore2[i]->rect().contains(mouse->position().toPoint())) {
                lblScore2_Click(static_cast<int>(i));
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmScore::reject() {
    // Escape and the close box: in view mode they are 閉じる; a new entry is left unrecorded
    // only once the player has said so, and otherwise the name box takes the keys again.
    if (!entryMode_) {
        cmdClose_Click();
        return;
    }
    if (!QuestionForm(LeaveUnrecordedQuestion)) {
        txtName->setFocus();
        return;
    }
    replayEntry_ = 0;
    QDialog::reject();
}

} // namespace tolvekin
