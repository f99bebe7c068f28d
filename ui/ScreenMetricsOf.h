#pragma once
// The screen as the screen fit and the board-size dialog see it: its size in twips and the
// twips per pixel on each axis.

#include "settings/mdlOption.h"

class QScreen;

namespace tolvekin {

// The metrics of screen; FallbackScreenArea at FallbackDpi when there is none.
ScreenMetrics ScreenMetricsOf(const QScreen* screen);

} // namespace tolvekin
