#pragma once
// Small helpers shared by the settings dialogs' text boxes. The window frame and centring live
// in WindowGeometry.h.

#include "common/layout/WindowGeometry.h"

class QLineEdit;
class QString;

namespace tolvekin {

// Puts text into box with the start of the text in view (a box shows the end of a text that
// is too long for it when the cursor is left at the end).
void SetBoxText(QLineEdit* box, const QString& text);

// From now on box selects its whole text each time it gets the focus, by keyboard or mouse,
// and keeps the start of the text in view, also after it loses the focus.
void SelectAllTextOnFocus(QLineEdit* box);

} // namespace tolvekin
