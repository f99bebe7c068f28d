#include "ui/frmHelp.h"

#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"
#include "settings/Settings.h"

#include <QVBoxLayout>

namespace tolvekin {
namespace {

constexpr QSize ClientSize(470, 440); // fits a screen of 640 x 480 pixels, also scaled

QString Heading(const char* text) {
    return QStringLiteral("<p style='margin-top:10px'><b>■ ") + QString::fromUtf8(text) +
           QStringLiteral("</b></p>");
}

QString Paragraph(const QString& text) {
    return QStringLiteral("<p style='margin-top:2px'>") + text + QStringLiteral("</p>");
}

QLabel* TextLabel(const QString& html, QWidget* parent) {
    auto* label = new QLabel(html, parent);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The strengths as the options dialog offers them: "「弱い」と「強い」".
QString StrengthList() {
    QStringList names;
    for (std::string_view name : GameLevelNames) {
        names << QStringLiteral("「") + Q(std::string(name)) + QStringLiteral("」");
    }
    return names.join(QStringLiteral("と"));
}

} // namespace

QString HelpRulesText() {
    return Heading("置きかた") +
           Paragraph(QStringLiteral(
               "ふたつの側が交互にコマを置きます。置けるのは、たて・よこ・ななめのどれかの向きで、"
               "相手のコマを自分のコマとのあいだにはさめるマスだけです。はさんだ相手のコマは"
               "すべてひっくり返って自分のコマになります。")) +
           Heading("色のまざりかた") +
           Paragraph(QStringLiteral(
               "置くコマの色は「青」「黄」「赤」のボタンで決めます（ゲームのはじめは色のない白）。"
               "コマをひっくり返すと色がまざります。まず置いたコマの色が、はさんだ先の自分のコマの"
               "色にはたらき、その結果の色が、ひっくり返るコマのそれぞれの色にはたらきます。")) +
           Paragraph(QStringLiteral(
               "白のコマははたらいた色になり、白がはたらいても色はかわりません。同じ原色をもつ色"
               "どうしは共通の原色だけが残り、共通の原色がない色どうしは合わさった色になります。"
               "黒はどの色にも勝ちますが、黒に黒がはたらくと白にもどります。"));
}

QString HelpScoringText() {
    return Heading("得点") +
           Paragraph(QStringLiteral(
               "自分のコマにある色の種類の数（白と黒は数えません）×黒でない自分のコマの数 が"
               "得点です。白と黒だけのコマにしたとき（タイトルをクリックして切りかえます）は、"
               "コマの数をくらべます。")) +
           Heading("パス") +
           Paragraph(QStringLiteral(
               "置けるところがない側は自動的にパスして、順番が相手にうつります。どちらも置けなく"
               "なったらゲームは終わりです。最初の一手の前に「先手をかえる」を押すと、先手を相手に"
               "ゆずります。")) +
           Heading("モードと強さ") +
           Paragraph(QStringLiteral("ひとり：コンピュータと対戦します。強さは") + StrengthList() +
                     QStringLiteral("から選べます。<br>ふたり：ふたりで１台のマウスを使って"
                                    "対戦します。<br>全自動：コンピュータどうしの対戦を見ます。"
                                    "「はじめる」で始まり、ゲームが終わると次のゲームが始まり"
                                    "ます。<br>モードと強さは、ウィンドウの背景かモードの絵を"
                                    "クリックして開く「とりきめ」で変えます。")) +
           Heading("キー") +
           Paragraph(QStringLiteral("矢印キー：盤のカーソルを動かす　Home：左上のマスへ<br>"
                                    "Space・Enter：カーソルのマスに置く<br>"
                                    "H（押しているあいだ）：置けるところを見せる<br>"
                                    "B・Y・R（または 1・2・3）：青・黄・赤のボタン<br>"
                                    "Tab：パネルのボタンを順に選ぶ<br>"
                                    "F1：このウィンドウ　Esc：このウィンドウを閉じる"));
}

frmHelp::frmHelp(const QString& title, QWidget* owner) : QDialog(owner) {
    setObjectName("frmHelp");
    setFont(GothicFont(9.75));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(ClientSize);
    SetGameTitle(title);

    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    lblRules = TextLabel(HelpRulesText(), page);
    picMix = new MixTable(page);
    lblScoring = TextLabel(HelpScoringText(), page);
    column->addWidget(lblRules);
    column->addWidget(picMix, 0, Qt::AlignHCenter);
    column->addWidget(lblScoring);
    column->addStretch();

    scrText = new QScrollArea(this);
    scrText->setWidget(page);
    scrText->setWidgetResizable(true);
    scrText->setFrameShape(QFrame::NoFrame);
    scrText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scrText);
}

void frmHelp::SetGameTitle(const QString& title) {
    setWindowTitle(title + QStringLiteral("　あそびかた"));
}

} // namespace tolvekin
