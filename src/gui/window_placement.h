#pragma once
// Where the windows the main window opens go on the screen: the table of Masses for the dead
// beside the main window, and every prompt and message centred over it. Plain geometry on the
// frames (title bar and border included) and the screen's available area, so that the rules are
// tested without a window system.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace placement {

// The top-left corner of a frame of `frame` size beside the main window's frame `main`: wholly
// inside `available`, never over the main window, to its right when there is room, else to its
// left, below or above. On a screen too small for any of them the frame stays inside `available`
// and below `keepClear` (the main window's close glyph) when it can.
QPoint beside(const QRect& main, const QSize& frame, const QRect& available,
              const QRect& keepClear);

// The top-left corner of a frame of `frame` size centred over `over`, moved inside `available`.
QPoint centredOver(const QRect& over, const QSize& frame, const QRect& available);

// The frame margins of a top-level window: those the window system reports once the window is
// shown, or before that an estimate of a usual title bar and border.
QMargins frameMargins(const QWidget* window);

// Each time the top-level `window` is shown, with its size then known, it is moved to the
// centre of `over`'s frame on `over`'s screen. Nothing is done for no `over`.
void centreOnShow(QWidget* window, const QWidget* over);

} // namespace placement
