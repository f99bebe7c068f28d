#pragma once
// Facts about top-level windows that every window of both programs uses: the outer frame around
// the client area, the screen (or the one assumed when there is none), twips per pixel, centring
// on the screen or on an owner, and the window flags of a fixed dialog.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

class QScreen;
class QWidget;

namespace tolvekin {

// A window's outer frame: a 4-pixel border on each side and a 20-pixel caption around the client
// area.
inline constexpr QSize WindowFrameExtra{8, 28};

// The screen assumed when there is none: 1024 x 768 pixels at 96 dpi.
inline constexpr QRect FallbackScreenArea{0, 0, 1024, 768};
inline constexpr double FallbackDpi = 96.0;

// A fixed-size dialog with a caption, a system menu and a close box.
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// Twips (1/1440 inch) per pixel at a logical dpi.
inline double TwipsPerPixel(double dpi) {
    return 1440.0 / dpi;
}

// The twips per pixel of a widget's screen on each axis.
double TwipsPerPixelX(const QWidget& widget);
double TwipsPerPixelY(const QWidget& widget);

// The outer size of a top-level window.
QSize OuterSize(const QWidget& window);

// The screen of widget (the primary screen when widget is null or has none).
const QScreen* ScreenOf(const QWidget* widget);

// The geometry of screen, or FallbackScreenArea when there is none.
QRect ScreenArea(const QScreen* screen);

// The outer top-left that centres a window of outerSize on screen (on FallbackScreenArea when
// there is none).
QPoint CentreOnScreen(const QScreen* screen, QSize outerSize);

// The outer top-left that centres a window of outerSize on owner's outer frame. With
// notLeftOfOwner the window never starts left of the owner. Without an owner the window is
// centred on the primary screen.
QPoint CentreOnOwner(const QWidget* owner, QSize outerSize, bool notLeftOfOwner = false);

} // namespace tolvekin
