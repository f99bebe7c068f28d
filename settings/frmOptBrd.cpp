#include "settings/frmOptBrd.h"

#include "common/layout/ControlTable.h"
#include "common/text/FitText.h"
#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"
#include "engine/CharacterSets.h"
#include "engine/Rounding.h"
#include "settings/DialogHelpers.h"
#include "settings/SettingsList.h"
#include "settings/frmColor.h"
#include "settings/frmSize.h"
#include "settings/frmVersion.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <span>
#include <string>

namespace tolvekin {
namespace {

using K = ControlKind;
constexpr std::string_view Window;

// The dialog's controls in the order they are made. The strengths have no place of their own:
// they share their frame's width in columns (PutInColumns).
constexpr ControlRow Controls[]{
    Control(K::GroupBox, "fraBoard", Window, {4, 4, 233, 157}, "盤面の設定"),
    Control(K::CheckBox, "chkFlash", "fraBoard", {12, 20, 173, 17}, "コンピュータの手を点滅する",
            "コンピュータの順番で次に置くコマを点滅します"),
    Control(K::CheckBox, "chkCursor", "fraBoard", {12, 40, 133, 17}, "お知らせカーソル",
            "そこに置けるかどうかマウスカーソルがお知らせします"),
    Control(K::CheckBox, "chkWaku", "fraBoard", {12, 64, 137, 17}, "枠の線を表示する",
            "ボードの外側の線を表示します"),
    Control(K::CheckBox, "chkCross", "fraBoard", {12, 84, 141, 17}, "縦横の線を表示する",
            "ボードの縦横の線を表示します"),
    Control(K::CheckBox, "chkSeeThru", "fraBoard", {12, 108, 137, 17}, "ボードを透明にする",
            "ボードを透明にして背景と同じにします"),
    Control(K::CheckBox, "chkBack", "fraBoard", {12, 128, 133, 17}, "背景に絵を表示する",
            "背景に絵を表示します"),
    Control(K::Button, "cmdSize", "fraBoard", {164, 72, 64, 17}, "Size",
            "ボードのサイズを変更します"),
    Control(K::Button, "cmdColor0", "fraBoard", {164, 108, 64, 17}, "Color",
            "ボードの色を設定します"),
    Control(K::Button, "cmdColor1", "fraBoard", {164, 128, 64, 17}, "Color",
            "背景の色を設定します"),

    Control(K::GroupBox, "fraName", Window, {4, 168, 233, 125}, "なまえ"),
    Control(K::Label, "lblGameTitle", "fraName", {16, 24, 45, 13}, "ゲーム"),
    Control(K::LineEdit, "txtGameTitle", "fraName", {72, 20, 77, 21}),
    // Each row's variant label and name box, in the order of the character sets.
    Control(K::Label, "lblKoma0", "fraName", {16, 48, 65, 13}, CharacterSets[0].Variant),
    Control(K::LineEdit, "txtKoma0", "fraName", {84, 44, 65, 21}),
    Control(K::Label, "lblKoma1", "fraName", {16, 72, 65, 13}, CharacterSets[1].Variant),
    Control(K::LineEdit, "txtKoma1", "fraName", {84, 68, 65, 21}),
    Control(K::Label, "lblKoma2", "fraName", {16, 96, 65, 13}, CharacterSets[2].Variant),
    Control(K::LineEdit, "txtKoma2", "fraName", {84, 92, 65, 21}),
    Control(K::GroupBox, "fraLeft", "fraName", {152, 36, 33, 77}, "左"),
    Control(K::GroupBox, "fraRight", "fraName", {188, 36, 33, 77}, "右"),
    Control(K::RadioButton, "optLeft0", "fraLeft", {8, 16, 13, 12}),
    Control(K::RadioButton, "optRight0", "fraRight", {8, 16, 13, 12}),
    Control(K::RadioButton, "optLeft1", "fraLeft", {8, 36, 13, 12}),
    Control(K::RadioButton, "optRight1", "fraRight", {8, 36, 13, 12}),
    Control(K::RadioButton, "optLeft2", "fraLeft", {8, 56, 13, 12}),
    Control(K::RadioButton, "optRight2", "fraRight", {8, 56, 13, 12}),

    Control(K::GroupBox, "fraRule", Window, {244, 4, 145, 225}, "動かし方など"),
    Control(K::GroupBox, "fraMode", "fraRule", {12, 24, 121, 93}, "対戦モード"),
    Control(K::RadioButton, "optMode0", "fraMode", {28, 20, 53, 13}, GameModeNames[0]),
    Control(K::RadioButton, "optMode1", "fraMode", {28, 44, 53, 13}, GameModeNames[1]),
    Control(K::RadioButton, "optMode2", "fraMode", {28, 68, 56, 13}, GameModeNames[2]),
    Control(K::GroupBox, "fraLevel", "fraRule", {12, 128, 121, 37}, "コンピュータの強さ"),
    Control(K::RadioButton, "optLevel0", "fraLevel", {}, GameLevelNames[0]),
    Control(K::RadioButton, "optLevel1", "fraLevel", {}, GameLevelNames[1]),
    Control(K::RadioButton, "optLevel2", "fraLevel", {}, GameLevelNames[2]),
    Control(K::GroupBox, "fraMono", "fraRule", {12, 176, 121, 37}, "コマの色"),
    Control(K::RadioButton, "optMono0", "fraMono", {8, 16, 45, 13}, "色色"),
    Control(K::RadioButton, "optMono1", "fraMono", {64, 16, 45, 13}, "白黒"),

    Control(K::Button, "cmdInitial", Window, {248, 240, 64, 17}, "初期化"),
    Control(K::Button, "cmdVersion", Window, {320, 240, 64, 17}, "Version"),
    Control(K::Button, "cmdCancel", Window, {248, 268, 64, 25}, "取消"),
    Control(K::Button, "cmdClose", Window, {320, 268, 65, 25}, "決定"),
};

// A check box or option button that needs more room than its place grows right and down (push
// buttons keep their size, and leave Enter to the dialog); a label keeps its size and takes a
// smaller font instead, so it never runs into the control beside it.
void FitToCaptions(const MadeControls& made) {
    for (const auto& [name, control] : made.InOrder()) {
        if (auto* button = qobject_cast<QPushButton*>(control)) {
            button->setAutoDefault(false);
        } else if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control)) {
            const QSize need = control->sizeHint();
            control->resize(std::max(control->width(), need.width()),
                            std::max(control->height(), need.height()));
        } else if (auto* label = qobject_cast<QLabel*>(control)) {
            SetFittedText(label, label->text(), label->font());
        }
    }
}

// The controls of a numbered set: "optLeft0", "optLeft1", ...
template <typename W, size_t N>
void TakeSet(const MadeControls& made, std::string_view name, std::array<W*, N>& set) {
    for (size_t i = 0; i < N; ++i) {
        set[i] = made.Get<W>(std::string(name) + std::to_string(i));
    }
}

// Option buttons side by side in equal columns of `width` from `left`. Each indicator keeps
// close to its caption, and the captions share one font, made smaller only as far as the widest
// needs to fit its column. The row keeps the height the buttons ask for in the dialog's font,
// so it stands where a row of buttons at their own size would.
void PutInColumns(std::span<QRadioButton* const> buttons, int left, int top, int width) {
    const int height = std::max(13, buttons.front()->sizeHint().height());
    for (QRadioButton* b : buttons) {
        b->setStyleSheet(QStringLiteral("QRadioButton { spacing: 2px; }"));
    }
    QFont font = buttons.front()->font();
    const auto widest = [&] {
        int most = 0;
        for (QRadioButton* b : buttons) {
            b->setFont(font);
            const QStyle* style = b->style();
            most = std::max(most,
                            style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, b) +
                                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, b) +
                                QFontMetrics(font).horizontalAdvance(b->text()));
        }
        return most;
    };
    while (widest() > width && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    for (size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setGeometry(left + width * static_cast<int>(i), top, width, height);
    }
}

} // namespace

const QColor frmOptBrd::Background(192, 255, 255);

frmOptBrd::frmOptBrd(Settings& settings, OptionsHost& host, QWidget* owner)
    : QDialog(owner, FixedDialogFlags), settings_(settings), host_(host) {
    setFont(ProportionalGothicFont());
    setFixedSize(StandardClientWidth, StandardClientHeight);
    // The frames, check boxes and option buttons take the window's colour through the palette.
    QPalette p = palette();
    p.setColor(QPalette::Window, Background);
    setPalette(p);
    setAutoFillBackground(true);
    setWindowTitle(Q(settings_.GameTitle) + QStringLiteral("　とりきめ"));

    CreateControls();
    ConnectReactions();
    PlaceOnScreen();

    SnapshotSettings(settings_, snapshot_, true);
    atOpening_ = settings_;
    ShowOptions();
    if (const OptionsFacts now = host_.Facts(); now.MoveMade || now.AutoPlayActive) {
        LockGameOptions();
    }
}

void frmOptBrd::CreateControls() {
    const MadeControls made = MakeControls(Controls, this);
    FitToCaptions(made);
    fraBoard = made.Get<QGroupBox>("fraBoard");
    chkFlash = made.Get<QCheckBox>("chkFlash");
    chkCursor = made.Get<QCheckBox>("chkCursor");
    chkWaku = made.Get<QCheckBox>("chkWaku");
    chkCross = made.Get<QCheckBox>("chkCross");
    chkSeeThru = made.Get<QCheckBox>("chkSeeThru");
    chkBack = made.Get<QCheckBox>("chkBack");
    cmdSize = made.Get<QPushButton>("cmdSize");
    TakeSet(made, "cmdColor", cmdColor);
    fraName = made.Get<QGroupBox>("fraName");
    lblGameTitle = made.Get<QLabel>("lblGameTitle");
    txtGameTitle = made.Get<QLineEdit>("txtGameTitle");
    TakeSet(made, "lblKoma", lblKoma);
    TakeSet(made, "txtKoma", txtKoma);
    fraLeft = made.Get<QGroupBox>("fraLeft");
    fraRight = made.Get<QGroupBox>("fraRight");
    TakeSet(made, "optLeft", optLeft);
    TakeSet(made, "optRight", optRight);
    fraRule = made.Get<QGroupBox>("fraRule");
    fraMode = made.Get<QGroupBox>("fraMode");
    TakeSet(made, "optMode", optMode);
    fraLevel = made.Get<QGroupBox>("fraLevel");
    TakeSet(made, "optLevel", optLevel);
    fraMono = made.Get<QGroupBox>("fraMono");
    TakeSet(made, "optMono", optMono);
    cmdInitial = made.Get<QPushButton>("cmdInitial");
    cmdVersion = made.Get<QPushButton>("cmdVersion");
    cmdCancel = made.Get<QPushButton>("cmdCancel");
    cmdClose = made.Get<QPushButton>("cmdClose");

    // The three variant labels share the font of the one that needed the smallest.
    QFont smallest = lblKoma[0]->font();
    for (QLabel* label : lblKoma) {
        if (label->font().pointSizeF() < smallest.pointSizeF()) {
            smallest = label->font();
        }
    }
    for (QLabel* label : lblKoma) {
        label->setFont(smallest);
    }
    // The name boxes take Japanese text: the input method stays on for them (it is on for a
    // line edit unless switched off); Qt cannot switch the user's input method into kana mode.
    for (QLineEdit* box : {txtGameTitle, txtKoma[0], txtKoma[1], txtKoma[2]}) {
        box->setAttribute(Qt::WA_InputMethodEnabled, true);
        box->setInputMethodHints(Qt::ImhNone);
        SelectAllTextOnFocus(box);
    }
    PutInColumns(optLevel, 3, 16, 38);
    ArrangeTabOrder();
    BindSettings();
}

void frmOptBrd::ArrangeTabOrder() {
    // The order of the controls on the window, from the board frame down to 決定.
    const std::vector<QWidget*> order{
        chkFlash,    chkCursor,   chkWaku,      chkCross,    chkSeeThru,  chkBack,    cmdSize,
        cmdColor[0], cmdColor[1], txtGameTitle, txtKoma[0],  txtKoma[1],  txtKoma[2], optLeft[0],
        optLeft[1],  optLeft[2],  optRight[0],  optRight[1], optRight[2], optMode[0], optMode[1],
        optMode[2],  optLevel[0], optLevel[1],  optLevel[2], optMono[0],  optMono[1], cmdInitial,
        cmdVersion,  cmdCancel,   cmdClose};
    for (size_t i = 0; i + 1 < order.size(); ++i) {
        setTabOrder(order[i], order[i + 1]);
    }
}

void frmOptBrd::BindSettings() {
    // Which controls show which entry of the settings list.
    auto opts = [](auto& buttons) {
        return std::vector<QRadioButton*>(buttons.begin(), buttons.end());
    };
    bindings_ = {
        {"/FLASH", chkFlash, nullptr, {}},           {"/CURSOR", chkCursor, nullptr, {}},
        {"/BORDER", chkWaku, nullptr, {}},           {"/CROSS", chkCross, nullptr, {}},
        {"/THRU", chkSeeThru, nullptr, {}},          {"/BACK", chkBack, nullptr, {}},
        {"/TITLE", nullptr, txtGameTitle, {}},       {"/CHAR1", nullptr, txtKoma[0], {}},
        {"/CHAR2", nullptr, txtKoma[1], {}},         {"/CHAR3", nullptr, txtKoma[2], {}},
        {"/KOMA1", nullptr, nullptr, opts(optLeft)}, {"/KOMA2", nullptr, nullptr, opts(optRight)},
        {"/MODE", nullptr, nullptr, opts(optMode)},  {"/LEVEL", nullptr, nullptr, opts(optLevel)},
        {"/MONO", nullptr, nullptr, opts(optMono)}, // 色色, then 白黒 for true
    };
}

void frmOptBrd::ConnectReactions() {
    connect(chkSeeThru, &QCheckBox::toggled, this, &frmOptBrd::chkSeeThru_Click);
    connect(chkBack, &QCheckBox::toggled, this, &frmOptBrd::chkBack_Click);
    for (size_t i = 0; i < optMode.size(); ++i) {
        connect(optMode[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) {
                optMode_Click(static_cast<int>(i));
            }
        });
    }
    for (QRadioButton* b : optLeft) {
        b->installEventFilter(this);
    }
    for (QRadioButton* b : optRight) {
        b->installEventFilter(this);
    }
    connect(cmdSize, &QPushButton::clicked, this, &frmOptBrd::cmdSize_Click);
    connect(cmdColor[0], &QPushButton::clicked, this, [this] { cmdColor_Click(0); });
    connect(cmdColor[1], &QPushButton::clicked, this, [this] { cmdColor_Click(1); });
    connect(cmdVersion, &QPushButton::clicked, this, &frmOptBrd::cmdVersion_Click);
    connect(cmdInitial, &QPushButton::clicked, this, &frmOptBrd::cmdInitial_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptBrd::cmdCancel_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmOptBrd::cmdClose_Click);
}

void frmOptBrd::PlaceOnScreen() {
    // Vertically centred on the screen, 120 twips right of the main window's left edge, and
    // never above the main window's top.
    const OptionsFacts now = host_.Facts();
    const ScreenMetrics& screen = now.Screen;
    const QPoint main = now.WindowTopLeft;
    const int outerHeight = StandardClientHeight + WindowFrameExtra.height();
    const int screenHeight = static_cast<int>(screen.HeightTwips / screen.TwipsPerPixelY);
    int top = (screenHeight - outerHeight) / 2;
    const int left = main.x() + RoundEvenInt(120 / screen.TwipsPerPixelX);
    if (top < main.y()) {
        top = main.y() + RoundEvenInt(120 / screen.TwipsPerPixelY);
    }
    move(left, top);
}

const frmOptBrd::Binding* frmOptBrd::BindingOf(std::string_view key) const {
    for (const Binding& b : bindings_) {
        if (b.Key == key) {
            return &b;
        }
    }
    return nullptr;
}

void frmOptBrd::ShowOptions() {
    // While the computer plays itself the level in the settings is the last move's; the
    // player's own level is the one to show and to keep.
    Settings shown = settings_;
    if (const OptionsFacts now = host_.Facts(); now.AutoPlayActive) {
        shown.GameLevel = now.UserLevel;
    }
    for (const SettingEntry& entry : SettingsList()) {
        const Binding* b = BindingOf(entry.Key);
        if (b == nullptr) {
            continue;
        }
        if (b->Check != nullptr) {
            b->Check->setChecked(entry.FlagOf(shown));
        } else if (b->Text != nullptr) {
            SetBoxText(b->Text, Q(entry.TextOf(shown)));
        } else if (entry.Kind == SettingKind::Flag) {
            b->Options[entry.FlagOf(shown) ? 1 : 0]->setChecked(true);
        } else {
            const int index = ChoiceIndex(entry, shown);
            for (size_t i = 0; i < b->Options.size(); ++i) {
                QRadioButton* option = b->Options[i];
                // A value outside the choices selects none: the group must let go of its
                // checked button for that.
                option->setAutoExclusive(index >= 0);
                option->setChecked(static_cast<int>(i) == index);
                option->setAutoExclusive(true);
            }
        }
    }
    KeepTabOnCheckedButtons();
}

void frmOptBrd::KeepTabOnCheckedButtons() {
    // Tab into a group of option buttons lands on its selected button, and the next Tab leaves
    // the group; the arrow keys move within it. A group with none selected lets Tab reach each.
    for (const Binding& b : bindings_) {
        const bool anyChecked = std::any_of(b.Options.begin(), b.Options.end(),
                                            [](const QRadioButton* o) { return o->isChecked(); });
        for (QRadioButton* option : b.Options) {
            option->setFocusPolicy(!anyChecked || option->isChecked() ? Qt::StrongFocus
                                                                      : Qt::ClickFocus);
        }
    }
}

void frmOptBrd::keyPressEvent(QKeyEvent* event) {
    // Esc is 取消; only the close box closes the dialog as things are.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdCancel_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmOptBrd::TakeOptions() {
    for (const SettingEntry& entry : SettingsList()) {
        const Binding* b = BindingOf(entry.Key);
        if (b == nullptr) {
            continue;
        }
        if (b->Check != nullptr) {
            entry.FlagOf(settings_) = b->Check->isChecked();
        } else if (b->Text != nullptr) {
            entry.TextOf(settings_) = Utf8(b->Text->text().left(entry.TakeChars));
        } else if (entry.Kind == SettingKind::Flag) {
            entry.FlagOf(settings_) = b->Options[1]->isChecked();
        } else {
            const auto first = std::find_if(b->Options.begin(), b->Options.end(),
                                            [](const QRadioButton* o) { return o->isChecked(); });
            // No selected button changes nothing.
            SetChoice(entry, settings_,
                      first == b->Options.end() ? -1
                                                : static_cast<int>(first - b->Options.begin()));
        }
    }
}

void frmOptBrd::LockGameOptions() {
    locked_ = true;
    std::vector<QWidget*> off{fraName, lblGameTitle, txtGameTitle};
    for (size_t i = 0; i < 3; ++i) {
        off.insert(off.end(), {lblKoma[i], txtKoma[i], optLeft[i], optRight[i]});
    }
    off.insert(off.end(), {fraLeft, fraRight, fraRule, fraMode});
    off.insert(off.end(), optMode.begin(), optMode.end());
    off.push_back(fraLevel);
    off.insert(off.end(), optLevel.begin(), optLevel.end());
    off.push_back(fraMono);
    off.insert(off.end(), optMono.begin(), optMono.end());
    off.push_back(cmdInitial);
    for (QWidget* w : off) {
        w->setEnabled(false);
    }
}

void frmOptBrd::chkSeeThru_Click(bool ticked) {
    cmdColor[0]->setEnabled(!ticked);
    host_.ShowLook({.SeeThrough = ticked});
}

void frmOptBrd::chkBack_Click(bool ticked) {
    cmdColor[1]->setEnabled(!ticked);
    host_.ShowLook({.BackPicture = ticked});
}

void frmOptBrd::optMode_Click(int index) {
    // The computer's strength can be chosen only when playing against it.
    fraLevel->setEnabled(index == 0);
    for (QRadioButton* b : optLevel) {
        b->setEnabled(fraLevel->isEnabled());
    }
}

bool frmOptBrd::eventFilter(QObject* watched, QEvent* event) {
    // The column buttons have no captions: the caption of the column with the focus is shown
    // bold instead.
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        QGroupBox* frame = nullptr;
        if (std::find(optLeft.begin(), optLeft.end(), watched) != optLeft.end()) {
            frame = fraLeft;
        } else if (std::find(optRight.begin(), optRight.end(), watched) != optRight.end()) {
            frame = fraRight;
        }
        if (frame != nullptr) {
            QFont f = frame->font();
            f.setBold(type == QEvent::FocusIn);
            frame->setFont(f);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmOptBrd::cmdSize_Click() {
    // The board of the running game is offered; the answer applies from the next start.
    const OptionsFacts now = host_.Facts();
    frmSize dialog(settings_, now.Screen, now.BackgroundPainted, this);
    dialog.SetForm(settings_.BoardWidth, settings_.BoardHeight, settings_.MidX, settings_.MidY);
    dialog.exec();
    settings_.NextMidX = dialog.RTN_MID_X;
    settings_.NextMidY = dialog.RTN_MID_Y;
    settings_.NextMaxBoardX = dialog.RTN_MAX_BOARD_X;
    settings_.NextMaxBoardY = dialog.RTN_MAX_BOARD_Y;
}

void frmOptBrd::cmdColor_Click(int index) {
    frmColor picker(Q(settings_.GameTitle), this);
    const OptionsFacts now = host_.Facts();
    if (index == 0) {
        picker.Preview = [this](int32_t color) { host_.ShowLook({.BoardColor = color}); };
        picker.SetColorType(1, now.BoardColor);
    } else {
        picker.Preview = [this](int32_t color) { host_.ShowLook({.BackgroundColor = color}); };
        picker.SetColorType(2, now.BackgroundColor);
    }
    picker.exec();
}

void frmOptBrd::cmdVersion_Click() {
    frmVersion window(this);
    window.SetHowToPlay([this] { host_.ShowHowToPlay(); });
    window.exec();
}

void frmOptBrd::cmdInitial_Click() {
    LoadNames(settings_, QString(), true);
    ParseSettings(settings_, std::nullopt);
    ShowOptions();
    const Settings builtin;
    settings_.NextMaxBoardX = builtin.NextMaxBoardX;
    settings_.NextMaxBoardY = builtin.NextMaxBoardY;
    settings_.NextMidX = builtin.NextMidX;
    settings_.NextMidY = builtin.NextMidY;
    host_.ShowLook(
        {.BoardColor = settings_.BoardColor, .BackgroundColor = settings_.BackgroundColor});
}

void frmOptBrd::cmdCancel_Click() {
    SnapshotSettings(settings_, snapshot_, false);
    // Everything else the dialog may have changed goes back as well: the hint cursor after
    // 初期化, and the next start's board from the size dialog.
    settings_ = atOpening_;
    host_.ShowLook({.SeeThrough = settings_.SeeThrough,
                    .BackPicture = settings_.BackPicture,
                    .BoardColor = settings_.BoardColor,
                    .BackgroundColor = settings_.BackgroundColor});
    reject();
}

void frmOptBrd::cmdClose_Click() {
    const bool wasMono = settings_.MonoPieces;
    TakeOptions();
    // The colour picker has put the chosen colours on the main window.
    const OptionsFacts shown = host_.Facts();
    settings_.BoardColor = shown.BoardColor;
    settings_.BackgroundColor = shown.BackgroundColor;
    host_.ApplySettings(
        {.GameOptions = !locked_, .PieceColours = !locked_ && settings_.MonoPieces != wasMono});
    // A failed save has shown its message; the dialog closes all the same. The window's place is
    // taken after the new look, which may have moved it back onto the screen.
    const OptionsFacts after = host_.Facts();
    WriteSettings(settings_, after.WindowTopTwips, after.WindowLeftTwips);
    accept();
}

} // namespace tolvekin
