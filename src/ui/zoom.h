#pragma once

#include <QRect>
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>

// How large the whole form is shown: every place, line, dot, font, box and
// button is `zoom` times its design size. Zoom 1 is the designed window.
namespace kestrel::ui {

inline constexpr std::array<double, 7> kZoomSteps{1, 1.25, 1.5, 2, 2.5, 3, 4};

// The next step up or down from `zoom`; the largest and smallest stay.
inline double zoomIn(double zoom) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

inline double zoomOut(double zoom) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

// The step nearest `zoom` on a ratio scale.
inline double nearestZoom(double zoom) {
    return *std::min_element(kZoomSteps.begin(), kZoomSteps.end(), [zoom](double a, double b) {
        return std::fabs(std::log(a / zoom)) < std::fabs(std::log(b / zoom));
    });
}

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
