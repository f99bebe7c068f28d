#pragma once
// A window's controls as data: one row per control (its name, kind, place and caption, and the
// few extras a window needs), made in the order of the table. The rows of a window stand in the
// order its controls were made, which is also the order of the keyboard focus and of stacking.

#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tolvekin {

enum class ControlKind {
    Label,       // QLabel with the caption as its text
    Button,      // QPushButton
    CheckBox,    // QCheckBox
    RadioButton, // QRadioButton
    LineEdit,    // QLineEdit, the caption as its text
    GroupBox,    // QGroupBox with the caption as its title
    Line,        // QFrame drawn as a sunken horizontal line
    Picture,     // QLabel that shows a picture, aligned to its top left
    Panel,       // plain QWidget
    Own,         // made by the window's own maker (its picture box, its grid cell)
};

enum class FontFace { Window, Gothic, ProportionalGothic };

struct ControlRow {
    std::string_view Name{}; // set as the control's objectName; unique in its table
    ControlKind Kind = ControlKind::Label;
    QRect Place{};                    // in pixels, relative to the parent
    std::string_view Caption{};       // UTF-8
    std::string_view Parent{};        // the row this control sits in; empty for the window itself
    std::string_view Tip{};           // tool tip, UTF-8
    FontFace Face = FontFace::Window; // Window keeps the font the parent passes down
    double Points = 9.75;
    bool Bold = false;
    Qt::Alignment Align = {}; // labels and line edits; empty keeps the kind's own
};

// A row with the fields most rows need, and the extras added to a row.
constexpr ControlRow Control(ControlKind kind, std::string_view name, std::string_view parent,
                             QRect place, std::string_view caption = {},
                             std::string_view tip = {}) {
    return {.Name = name,
            .Kind = kind,
            .Place = place,
            .Caption = caption,
            .Parent = parent,
            .Tip = tip};
}
constexpr ControlRow WithFont(ControlRow row, FontFace face, double points, bool bold = false) {
    row.Face = face;
    row.Points = points;
    row.Bold = bold;
    return row;
}
constexpr ControlRow WithAlign(ControlRow row, Qt::Alignment align) {
    row.Align = align;
    return row;
}

// Makes a control for a row the window handles itself, or returns nullptr to have the row made
// as its standard kind. The control is made with `parent` as its parent; the table then names
// and places it like any other.
using ControlMaker = std::function<QWidget*(const ControlRow& row, QWidget* parent)>;

// The controls made from one table, found by name.
class MadeControls {
public:
    // The control of that name as W; a name not in the table or a control of another type is a
    // fault of the window's code and stops the program with a message naming it.
    template <typename W> W* Get(std::string_view name) const {
        W* typed = qobject_cast<W*>(Find(name));
        if (typed == nullptr) {
            WrongType(name, W::staticMetaObject.className());
        }
        return typed;
    }
    QWidget* Find(std::string_view name) const; // fails like Get when the name is missing
    const std::vector<std::pair<std::string, QWidget*>>& InOrder() const { return made_; }

private:
    friend MadeControls MakeControls(std::span<const ControlRow>, QWidget*, const ControlMaker&);
    QWidget* Lookup(std::string_view name) const;
    [[noreturn]] static void WrongType(std::string_view name, const char* wanted);
    std::vector<std::pair<std::string, QWidget*>> made_;
};

// Makes every row on `window` (or inside its parent row), in table order. A name made twice or
// a parent row not made before its children stops the program like a wrong name in Get.
MadeControls MakeControls(std::span<const ControlRow> rows, QWidget* window,
                          const ControlMaker& maker = {});

} // namespace tolvekin
