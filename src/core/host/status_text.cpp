#include "core/host/status_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kestrel::host {
namespace {

constexpr int kPercent = 100;

}  // namespace

std::string speedText(double speed) {
    if (speed == 0.25) {
        return "¼×";
    }
    if (speed == 0.5) {
        return "½×";
    }
    char text[16];
    std::snprintf(text, sizeof text, "%g×", speed);
    return text;
}

std::string zoomText(double zoom) {
    return std::to_string(std::lround(zoom * kPercent)) + "%";
}

double zoomIn(double zoom) {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), zoom);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
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
