#pragma once
// Start-up: shrinking a board that does not fit on the screen, height before width, with the
// message for each shrunk dimension.

#include "settings/Settings.h"

#include <QString>
#include <QStringList>

namespace tolvekin {

// Shrinks BoardHeight to maxRows and BoardWidth to maxCols where they are larger, pulling the
// initial block inside the smaller board. Returns the messages to show, in order.
QStringList FitBoardToScreen(Settings& settings, int maxRows, int maxCols);

} // namespace tolvekin
