#include "ui/screen_place.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

namespace kestrel::ui {
namespace {

// The start of a span of `length` placed at `start` and moved into
// [`first`, `first` + `room`); the first edge wins when it is too long.
int placeSpan(int start, int length, int first, int room) {
    return std::max(first, std::min(start, first + room - length));
}

}  // namespace

QPoint placeOnScreen(const QRect& window, const QRect& available) {
    if (available.isEmpty()) {
        return window.topLeft();
    }
    return {placeSpan(window.left(), window.width(), available.left(), available.width()),
            placeSpan(window.top(), window.height(), available.top(), available.height())};
}

QRect availableAround(const QRect& window) {
    QScreen* screen = QGuiApplication::screenAt(window.center());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen ? screen->availableGeometry() : QRect();
}

}  // namespace kestrel::ui
