#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace bithydraulics {

// Where windows open: inside the available area of a screen, whatever its size and scale, and
// the tool windows beside the main window, which the user keeps editing, where there is room.

// The available area (without panels and docks) of the screen `window` is on.
QRect availableArea(const QWidget& window);

// What the window system's frame adds around `window`: measured once it is shown, else a title
// bar's height above and a thin border.
QMargins frameMargins(const QWidget& window);

// Where a frame of `frameSize` goes beside `beside` (the main window's frame) within `area`: to
// the right, or to the left, where it fits whole; else against the side of the screen with
// more room, covering as little of `beside` as it can. Its top is level with `beside`'s, moved
// up as far as it takes to keep the bottom on the screen.
QPoint besidePosition(QSize frameSize, const QRect& beside, const QRect& area);

// `frame` moved into `area` as little as it takes; one larger than `area` keeps its top left
// corner at the area's.
QRect keptInside(const QRect& frame, const QRect& area);

// Gives the top-level `tool` the size `wanted` (its inside, without the frame), cut down so
// that it and its frame fit the screen of `main`, and no smaller than its minimum, then moves
// it beside `main`. Where there is room on neither side, it is narrowed to the wider side's room
// when that leaves it two thirds of the width it wants and no less than its minimum; else it
// covers part of `main`.
void placeBeside(QWidget& tool, const QWidget& main, QSize wanted);

}  // namespace bithydraulics
