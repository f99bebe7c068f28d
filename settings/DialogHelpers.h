#pragma once
// Small helpers shared by the settings dialogs: the outer frame of a window, centring a dialog on
// the window that opened it, and selecting a text box's whole text when it gets the focus.

#include <QPoint>
#include <QSize>

class QLineEdit;
class QWidget;

namespace tolvekin {

// A window's outer frame: a 4-pixel border on each side and a 20-pixel caption around the client
// area.
inline constexpr QSize WindowFrameExtra{8, 28};

// The outer size of a top-level window.
QSize OuterSize(const QWidget& window);

// The outer top-left that centres a window of outerSize on owner's outer frame. With
// notLeftOfOwner the window never starts left of the owner. Without an owner the window is
// centred on the primary screen.
QPoint CentreOnOwner(const QWidget* owner, QSize outerSize, bool notLeftOfOwner = false);

// Selects the whole text of the text box that has the keyboard focus (nothing for other
// controls).
void SelectAllText();

// From now on box selects its whole text each time it gets the focus, by keyboard or mouse.
void SelectAllTextOnFocus(QLineEdit* box);

} // namespace tolvekin
