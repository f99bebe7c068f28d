#pragma once
// A colour setting as it is drawn. Settings keep colours as 32-bit values, &H00BBGGRR or
// &H800000nn for system colour nn of the platform; only what paints turns them into a QColor.

#include <QColor>
#include <QPalette>

#include <cstdint>

namespace tolvekin {

// The colour value as drawn; a system colour is taken from palette (5 window, 15 button face,
// 16 button shadow, 20 3D highlight; any other system colour as the button face).
QColor ColorFromSetting(int32_t value, const QPalette& palette);

} // namespace tolvekin
