#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

#include "core/form/design.h"
#include "core/picture/pixels.h"

namespace kestrel::ui {

// The core's pixel rules; Qt's device-pixel scaling carries them to denser
// screens.
using picture::kTwipsPerPixel;
using picture::toPixels;

// Lines and outlines are one logical pixel wide, so they thicken with the
// items on a denser screen.
inline constexpr int kLineWidth = 1;
inline constexpr double kHalfPixel = 0.5;

inline QPoint toPixels(double x, double y) {
    return {toPixels(x), toPixels(y)};
}

// The rectangle to stroke with a 1-pixel pen so that the outline covers
// exactly box's pixels.
inline QRect strokeRect(const QRect& box) {
    return box.adjusted(0, 0, -1, -1);
}

inline QRect pixels(const design::TwipsRect& box) {
    return {toPixels(box.left), toPixels(box.top), toPixels(box.width), toPixels(box.height)};
}

// A box's pixels when the whole form is shown `zoom` times its design size;
// at zoom 1 exactly pixels(box).
inline QRect pixels(const design::TwipsRect& box, double zoom) {
    return {toPixels(box.left * zoom), toPixels(box.top * zoom), toPixels(box.width * zoom),
            toPixels(box.height * zoom)};
}

}  // namespace kestrel::ui
