#pragma once

#include <QRect>
#include <QRectF>
#include <QTransform>

#include "core/host/zoom_steps.h"

// How large the whole form is shown: every place, line, dot, font, box and
// button is `zoom` times its design size. Zoom 1 is the designed window.
namespace kestrel::ui {

using host::nearestZoom;
using host::zoomIn;
using host::zoomOut;

// The pixels that cover `area` (design pixels) at `zoom`, within `bounds`
// (pixels at the zoom): at zoom 1 the area itself.
inline QRect zoomedArea(const QRect& area, double zoom, const QRect& bounds) {
    if (zoom == 1) {
        return area & bounds;
    }
    const QRect designBounds =
        QTransform::fromScale(1 / zoom, 1 / zoom).mapRect(QRectF(bounds)).toAlignedRect();
    return QTransform::fromScale(zoom, zoom).mapRect(QRectF(area & designBounds)).toAlignedRect() & bounds;
}

}  // namespace kestrel::ui
