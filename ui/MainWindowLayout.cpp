// The main window's panel as a table, at its place before the panel is arranged beside the
// board: the arrangement moves every row by the same amount.

#include "ui/MainWindowControls.h"

#include <array>
#include <string>

namespace tolvekin {
namespace {

constexpr Qt::Alignment TopLeft = Qt::AlignLeft | Qt::AlignTop;
constexpr Qt::Alignment TopCentre = Qt::AlignHCenter | Qt::AlignTop;

constexpr ControlRow PanelLabel(std::string_view name, QRect place, std::string_view caption,
                                Qt::Alignment align = TopCentre, double points = 9.75,
                                bool bold = false) {
    return WithAlign(WithFont(Control(ControlKind::Label, name, {}, place, caption),
                              FontFace::Gothic, points, bold),
                     align);
}

constexpr ControlRow PanelButton(std::string_view name, QRect place, std::string_view caption) {
    return WithFont(Control(ControlKind::Button, name, {}, place, caption), FontFace::Gothic, 9.75);
}

constexpr ControlRow PictureBoxRow(std::string_view name, QRect place,
                                   std::string_view parent = {}) {
    return Control(ControlKind::Own, name, parent, place);
}

// The count labels run a little wider than the panel was drawn for, about their centres, so
// "- 黒12個" is never clipped; the names grow as far as the two columns allow, so "黒おひさま"
// shows whole; the variants keep two pixels from the window's right edge.
constexpr std::array PanelRows{
    PanelButton("cmdScore", {408, 8, 49, 33}, "スコア"),
    PanelButton("cmdRestart", {464, 8, 49, 33}, "クリア"),
    PanelButton("cmdEnd", {520, 8, 49, 33}, "閉じる"),
    PictureBoxRow("picMode", {464, 52, 50, 50}),
    PanelLabel("lblModeGuide", {516, 64, 39, 13}, "ひとり", TopLeft),
    PanelLabel("lblLevelGuide", {520, 84, 26, 13}, "弱い", TopLeft),
    PanelButton("cmdPass", {436, 108, 105, 25}, "先手をかえる"),
    PanelLabel("lblResult", {416, 160, 153, 13}, "どちらの勝ち？"),
    PanelLabel("lblCount0", {422, 184, 55, 13}, "個数"),
    PanelLabel("lblCountBlack0", {418, 200, 61, 13}, "黒個数"),
    PanelLabel("lblCountColor0", {425, 216, 47, 13}, "何色"),
    PanelLabel("lblTotal0", {420, 232, 57, 16}, "点数", TopCentre, 12, true),
    PanelLabel("lblCount1", {513, 184, 47, 13}, "個数"),
    PanelLabel("lblCountBlack1", {506, 200, 61, 13}, "黒個数"),
    PanelLabel("lblCountColor1", {513, 216, 47, 13}, "何色"),
    PanelLabel("lblTotal1", {508, 232, 57, 16}, "点数", TopCentre, 12, true),
    PictureBoxRow("imgChar1", {424, 256, 48, 48}),
    PictureBoxRow("picChar1", {424, 256, 50, 50}),
    PictureBoxRow("picCharImg1", {1, 1, 48, 48}, "picChar1"),
    PanelLabel("lblName1", {405, 309, 87, 13}, ""),
    PanelLabel("lblComment1", {410, 360, 77, 13}, ""),
    PictureBoxRow("imgChar2", {512, 256, 48, 48}),
    PictureBoxRow("picChar2", {512, 256, 50, 50}),
    PictureBoxRow("picCharImg2", {1, 1, 48, 48}, "picChar2"),
    PanelLabel("lblName2", {493, 309, 87, 13}, ""),
    PanelLabel("lblComment2", {498, 360, 77, 13}, ""),
    PanelButton("cmdColor0", {424, 328, 41, 25}, "青"),
    PanelButton("cmdColor1", {472, 328, 41, 25}, "黄"),
    PanelButton("cmdColor2", {520, 328, 41, 25}, "赤"),
    PanelLabel("lblTitle", {448, 380, 81, 15}, "", Qt::AlignCenter),
};

std::string Indexed(const char* name, size_t index) {
    return name + std::to_string(index);
}

} // namespace

std::span<const ControlRow> MainWindowPanel() {
    return PanelRows;
}

void TakePanelControls(const MadeControls& made, MainWindowControls& c) {
    c.cmdScore = made.Get<QPushButton>("cmdScore");
    c.cmdRestart = made.Get<QPushButton>("cmdRestart");
    c.cmdEnd = made.Get<QPushButton>("cmdEnd");
    c.cmdPass = made.Get<QPushButton>("cmdPass");
    c.picMode = made.Get<PictureBox>("picMode");
    c.lblModeGuide = made.Get<QLabel>("lblModeGuide");
    c.lblLevelGuide = made.Get<QLabel>("lblLevelGuide");
    c.lblResult = made.Get<QLabel>("lblResult");
    c.lblTitle = made.Get<QLabel>("lblTitle");
    for (size_t i = 0; i < 2; ++i) {
        c.lblCount[i] = made.Get<QLabel>(Indexed("lblCount", i));
        c.lblCountBlack[i] = made.Get<QLabel>(Indexed("lblCountBlack", i));
        c.lblCountColor[i] = made.Get<QLabel>(Indexed("lblCountColor", i));
        c.lblTotal[i] = made.Get<QLabel>(Indexed("lblTotal", i));
    }
    for (size_t s = 1; s <= 2; ++s) {
        c.imgChar[s] = made.Get<PictureBox>(Indexed("imgChar", s));
        c.picChar[s] = made.Get<PictureBox>(Indexed("picChar", s));
        c.picCharImg[s] = made.Get<PictureBox>(Indexed("picCharImg", s));
        c.lblName[s] = made.Get<QLabel>(Indexed("lblName", s));
        c.lblComment[s] = made.Get<QLabel>(Indexed("lblComment", s));
    }
    for (size_t e = 0; e < 3; ++e) {
        c.cmdColor[e] = made.Get<QPushButton>(Indexed("cmdColor", e));
    }
}

} // namespace tolvekin
