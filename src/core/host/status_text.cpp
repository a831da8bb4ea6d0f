#include "core/host/status_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kestrel::host {
namespace {

constexpr int kPercent = 100;
constexpr long kMsPerSecond = 1000;
constexpr long kSecondsPerMinute = 60;
constexpr long kMinutesPerHour = 60;

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

std::string formTimeText(double formMs) {
    const long seconds = static_cast<long>(formMs) / kMsPerSecond;
    const long minutes = seconds / kSecondsPerMinute;
    char text[32];
    if (minutes < kMinutesPerHour) {
        std::snprintf(text, sizeof text, "%02ld:%02ld", minutes, seconds % kSecondsPerMinute);
    } else {
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", minutes / kMinutesPerHour,
                      minutes % kMinutesPerHour, seconds % kSecondsPerMinute);
    }
    return text;
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
