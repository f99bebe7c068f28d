#include "scores/frmScore.h"

#include "common/dialogs/BusyCursor.h"
#include "common/dialogs/DialogSeam.h"
#include "common/layout/ControlTable.h"
#include "common/layout/WindowGeometry.h"
#include "common/text/Fonts.h"
#include "scores/ScoreFile.h"

#include <QMouseEvent>

#include <algorithm>
#include <array>
#include <iterator>
#include <string>

namespace tolvekin {
namespace {

using K = ControlKind;
constexpr std::string_view Window;

// Every label of the window reads from its top.
constexpr ControlRow Text(std::string_view name, QRect place, std::string_view caption = {},
                          Qt::Alignment align = Qt::AlignLeft) {
    return WithAlign(Control(K::Label, name, Window, place, caption), align | Qt::AlignTop);
}

// The headings above the lines; the column headings take the width of their captions.
constexpr ControlRow Headings[]{
    WithFont(Text("lblTitle", {8, 8, 241, 19}), FontFace::Gothic, 14.25, true),
    Text("lblSize", {252, 12, 55, 13}, "[22×22]"),
    Text("lblLevelGuide", {316, 16, 97, 17}, "コンピュータ…"),
    WithFont(Text("lblLevel", {412, 14, 35, 16}, "弱い"), FontFace::Gothic, 12, true),
    Text("lblSubTitle0", {8, 40, 0, 14}, "順位"),
    Text("lblSubTitle1", {48, 40, 0, 14}, "名前"),
    Text("lblSubTitle2", {155, 40, 0, 14}, "点数"),
    Text("lblSubTitle3", {192, 40, 0, 14}, "日時"),
    Text("lblSubTitle4", {337, 40, 0, 14}, "個数"),
    Text("lblSubTitle5", {369, 40, 0, 14}, "黒個数"),
    Text("lblSubTitle6", {416, 40, 0, 14}, "色数　"),
};

// One line of the table from its top, made once for each place. The number button covers the
// place and shows only while a line can be chosen for replay.
constexpr int RowTop = 64;
constexpr int RowStep = 24;
constexpr ControlRow Line[]{
    Text("lblScore1", {8, 0, 25, 14}, {}, Qt::AlignHCenter),
    Control(K::Button, "cmdNum", Window, {8, 0, 25, 17}),
    Text("lblScore2", {48, 0, 97, 14}),
    Text("lblScore3", {149, 0, 30, 14}, {}, Qt::AlignRight),
    Text("lblScore4", {192, 0, 137, 14}),
    Text("lblScore5", {340, 0, 21, 14}, {}, Qt::AlignRight),
    Text("lblScore6", {380, 0, 20, 14}, {}, Qt::AlignRight),
    Text("lblScore7", {424, 0, 17, 14}, {}, Qt::AlignHCenter),
};

constexpr ControlRow Footer[]{
    Text("lblNameGuide", {8, 304, 209, 17}, "よい得点なので名前を入れて下さい"),
    Control(K::LineEdit, "txtName", Window, {224, 304, 121, 19}),
    Control(K::Button, "cmdRepair", Window, {4, 304, 73, 25}, "修復",
            "ver1.3c以前に作成されてエラーになったファイルを修復します"),
    Control(K::Button, "cmdClear", Window, {288, 304, 73, 25}, "クリア"),
    Control(K::Button, "cmdClose", Window, {372, 304, 73, 25}, "閉じる"),
};

// The line of `place` (0 the top), made in the order of the columns.
MadeControls MakeLine(QWidget* window, int place) {
    std::array<ControlRow, std::size(Line)> rows{};
    std::copy(std::begin(Line), std::end(Line), rows.begin());
    for (ControlRow& row : rows) {
        row.Place.translate(0, RowTop + RowStep * place);
    }
    return MakeControls(rows, window);
}

// Enter in the name box presses 閉じる alone, never a button that happens to have focus.
void LeaveEnterToClose(const MadeControls& made) {
    for (const auto& [name, control] : made.InOrder()) {
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setAutoDefault(false);
        }
    }
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
    const MadeControls headings = MakeControls(Headings, this);
    lblTitle = headings.Get<QLabel>("lblTitle");
    lblSize = headings.Get<QLabel>("lblSize");
    lblLevelGuide = headings.Get<QLabel>("lblLevelGuide");
    lblLevel = headings.Get<QLabel>("lblLevel");
    for (size_t i = 0; i < lblSubTitle.size(); ++i) {
        lblSubTitle[i] = headings.Get<QLabel>("lblSubTitle" + std::to_string(i));
        lblSubTitle[i]->adjustSize();
    }
    for (size_t i = 0; i < ScoreRows; ++i) {
        const MadeControls line = MakeLine(this, static_cast<int>(i));
        LeaveEnterToClose(line);
        lblScore1[i] = line.Get<QLabel>("lblScore1");
        cmdNum[i] = line.Get<QPushButton>("cmdNum");
        lblScore2[i] = line.Get<QLabel>("lblScore2");
        lblScore3[i] = line.Get<QLabel>("lblScore3");
        lblScore4[i] = line.Get<QLabel>("lblScore4");
        lblScore5[i] = line.Get<QLabel>("lblScore5");
        lblScore6[i] = line.Get<QLabel>("lblScore6");
        lblScore7[i] = line.Get<QLabel>("lblScore7");
        cmdNum[i]->hide();
        const int index = static_cast<int>(i);
        connect(cmdNum[i], &QPushButton::clicked, this, [this, index] { cmdNum_Click(index); });
        lblScore2[i]->installEventFilter(this);
    }
    const MadeControls footer = MakeControls(Footer, this);
    LeaveEnterToClose(footer);
    lblNameGuide = footer.Get<QLabel>("lblNameGuide");
    txtName = footer.Get<QLineEdit>("txtName");
    cmdRepair = footer.Get<QPushButton>("cmdRepair");
    cmdClear = footer.Get<QPushButton>("cmdClear");
    cmdClose = footer.Get<QPushButton>("cmdClose");
    cmdRepair->hide();
    cmdClear->hide();
    connect(txtName, &QLineEdit::returnPressed, this, [this] { cmdClose_Click(); });
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
