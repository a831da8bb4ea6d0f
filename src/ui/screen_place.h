#pragma once

#include <QPoint>
#include <QRect>

// Where the window stands on the screen.
namespace kestrel::ui {

// The top left corner for `window` so that all of it lies within
// `available`: its own place when it fits there, otherwise moved as little
// as will do, never resized. Where the window is larger than `available`,
// its top left corner stays on it, so the title and the diagram show.
QPoint placeOnScreen(const QRect& window, const QRect& available);

// The available part of the screen `window` stands on (the one under its
// middle, or the primary screen), without panels and docks; an empty rect
// when there is no screen.
QRect availableAround(const QRect& window);

}  // namespace kestrel::ui
