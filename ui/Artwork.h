#pragma once
// The game's built-in pictures, drawn by code: the three character sets of the pieces, the mode
// pictures, the two hint cursors, and the program icon.
// Every picture is drawn once per device pixel ratio, on first request, and kept.
//
// The pieces, mode pictures and cursors are drawn for a screen of `ratio` device pixels per
// logical pixel: at ratio 2 a 48 x 48 piece holds 96 x 96 pixels, drawn at that size, and its
// device pixel ratio says 2, so it still takes 48 x 48 pixels of the layout and stays sharp on
// a screen scaled to 200%. A ratio below 1 (or not a number) counts as 1, above 4 as 4.

#include <QIcon>
#include <QImage>
#include <QPoint>

namespace tolvekin::artwork {

enum class CharacterSet { Sun, Fish, Bear };

// Side of a piece picture and of a mode picture, in logical pixels.
inline constexpr int PictureSize = 48;
// Side of a cursor picture, in logical pixels.
inline constexpr int CursorSize = 32;

// The character of `set` as a 48 x 48 picture on a transparent background. Index 0..7 is the
// piece of that colour value (0 white, 1 blue, 2 yellow, 3 green, 4 red, 5 purple, 6 orange,
// 7 black with a white outline); index 8 is the outline alone with a transparent body. Any other
// index gives a null image.
QImage PiecePicture(CharacterSet set, int index, qreal ratio = 1.0);

// The body colour of piece `index` (0..7) of `set`: the bear uses pure colours, the sun and the
// fish slightly softened ones. An invalid colour for any other index.
QColor BodyColor(CharacterSet set, int index);

// The mode pictures, 48 x 48 on a transparent background: 0 a bear with a small computer (weak
// computer), 1 a bear with a big computer (strong computer), 2 two bears (two players), 3 a
// computer alone (computer against computer), 4 a bear with a big computer wearing a crown
// (the master). Null for any other index.
inline constexpr int ModePictureCount = 5;
QImage ModePicture(int index, qreal ratio = 1.0);

// The hint cursors, 32 x 32 on a transparent background: 0 a smiling bear face (a legal place),
// 1 a plain bear face (any other cell). Null for any other index.
QImage CursorPicture(int index, qreal ratio = 1.0);

// The point of a cursor picture that marks the mouse position, in logical pixels (the same at
// every ratio). A QCursor made from the picture takes its hot spot in the picture's own pixels
// (X11 shows a 64-pixel cursor at ratio 2 with the hot spot given as is): multiply by the ratio.
QPoint CursorHotSpot();

// The program icon at 16, 32, 48 and 64 pixels.
QIcon ProgramIcon();

// The program icon's picture at one of its sizes (16, 32, 48, 64); null for other sizes.
QImage ProgramIconPicture(int size);

// The program icon drawn afresh at size x size pixels, for any size from 16 to 256 (the icons
// installed for the desktop); null for any other size.
QImage DrawnProgramIcon(int size);

} // namespace tolvekin::artwork
