#include "common/layout/ControlTable.h"

#include "common/text/Fonts.h"
#include "common/text/Utf8Text.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstdlib>

namespace tolvekin {
namespace {

[[noreturn]] void Fail(const std::string& what) {
    qFatal("%s", what.c_str());
    std::abort(); // qFatal does not return; this tells the compiler so
}

QWidget* MakeStandard(const ControlRow& row, QWidget* parent) {
    const QString caption = Q(row.Caption);
    switch (row.Kind) {
    case ControlKind::Label:
        return new QLabel(caption, parent);
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::RadioButton:
        return new QRadioButton(caption, parent);
    case ControlKind::LineEdit:
        return new QLineEdit(caption, parent);
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        return line;
    }
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return picture;
    }
    case ControlKind::Panel:
        return new QWidget(parent);
    case ControlKind::Own:
        break;
    }
    Fail("control " + std::string(row.Name) + " is the window's own kind, but it made none");
}

QFont RowFont(const ControlRow& row) {
    return row.Face == FontFace::Gothic ? GothicFont(row.Points, row.Bold)
                                        : ProportionalGothicFont(row.Points, row.Bold);
}

void Align(QWidget* control, Qt::Alignment align) {
    if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setAlignment(align);
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setAlignment(align);
    }
}

} // namespace

QWidget* MadeControls::Lookup(std::string_view name) const {
    for (const auto& [made, control] : made_) {
        if (made == name) {
            return control;
        }
    }
    return nullptr;
}

QWidget* MadeControls::Find(std::string_view name) const {
    QWidget* control = Lookup(name);
    if (control == nullptr) {
        Fail("no control " + std::string(name) + " in the window's table");
    }
    return control;
}

void MadeControls::WrongType(std::string_view name, const char* wanted) {
    Fail("control " + std::string(name) + " is not a " + wanted);
}

MadeControls MakeControls(std::span<const ControlRow> rows, QWidget* window,
                          const ControlMaker& maker) {
    MadeControls made;
    for (const ControlRow& row : rows) {
        if (made.Lookup(row.Name) != nullptr) {
            Fail("control " + std::string(row.Name) + " stands twice in the window's table");
        }
        QWidget* parent = row.Parent.empty() ? window : made.Find(row.Parent);
        QWidget* control = maker ? maker(row, parent) : nullptr;
        if (control == nullptr) {
            control = MakeStandard(row, parent);
        }
        control->setObjectName(Q(row.Name));
        if (row.Face != FontFace::Window) {
            control->setFont(RowFont(row));
        }
        if (row.Align) {
            Align(control, row.Align);
        }
        if (!row.Tip.empty()) {
            control->setToolTip(Q(row.Tip));
        }
        control->setGeometry(row.Place);
        made.made_.emplace_back(row.Name, control);
    }
    return made;
}

} // namespace tolvekin
