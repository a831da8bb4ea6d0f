#include "core/host/zoom_steps.h"

#include <algorithm>
#include <cmath>

namespace kestrel::host {

double largestFittingZoom(double width, double height, double roomWidth, double roomHeight) {
    const auto fits = [&](double zoom) { return width * zoom <= roomWidth && height * zoom <= roomHeight; };
    const auto largest = std::find_if(kZoomSteps.rbegin(), kZoomSteps.rend(), fits);
    return largest == kZoomSteps.rend() ? kZoomSteps.front() : *largest;
}

double zoomIn(double zoom, double largest) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    const double step = next == kZoomSteps.end() ? kZoomSteps.back() : *next;
    return std::max(zoom, std::min(step, largest));
}

double zoomOut(double zoom) {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return next == kZoomSteps.begin() ? kZoomSteps.front() : *(next - 1);
}

double nearestZoom(double zoom) {
    return *std::min_element(kZoomSteps.begin(), kZoomSteps.end(), [zoom](double a, double b) {
        return std::fabs(std::log(a / zoom)) < std::fabs(std::log(b / zoom));
    });
}

}  // namespace kestrel::host
