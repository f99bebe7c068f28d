#pragma once
// Small helpers shared by the settings dialogs: selecting a text box's whole text when it gets
// the focus. The window frame and centring live in WindowGeometry.h.

#include "WindowGeometry.h"

class QLineEdit;
class QWidget;

namespace tolvekin {

// Selects the whole text of the text box that has the keyboard focus (nothing for other
// controls).
void SelectAllText();

// From now on box selects its whole text each time it gets the focus, by keyboard or mouse.
void SelectAllTextOnFocus(QLineEdit* box);

} // namespace tolvekin
