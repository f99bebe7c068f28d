#pragma once
// The character maker's own pictures, drawn by code: its program icon and the mark its message
// dialog shows beside the text. Needs QtGui only, so build tools can render the icon too.

#include <QIcon>
#include <QImage>

namespace zenbro {

// Side of the message dialog's mark.
inline constexpr int MarkSize = 48;
// Sides the icon can be drawn at.
inline constexpr int MinIconSize = 16;
inline constexpr int MaxIconSize = 256;

// The mark: a pencil lying across a small grid with a few cells inked, 48 x 48 on a transparent
// background.
QImage MakerMark();

// The program icon at size x size pixels, for any size from 16 to 256: a sheet of grid paper
// with a blocky round character half coloured in, and a pencil. Null for any other size.
QImage MakerIcon(int size);

// The icon at the sizes a window manager usually asks for.
QIcon MakerIconSet();

} // namespace zenbro
