#include "core/host/status_text.h"

#include <cmath>
#include <cstdio>

#include "core/host/host.h"

namespace kestrel::host {
namespace {

constexpr int kPercent = 100;
constexpr double kMsPerSecond = 1000;
constexpr long kSecondsPerMinute = 60;
constexpr const char* kSeparator = " · ";
constexpr const char* kPaused = KESTREL_TEXT("status", "Paused");

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

std::string elapsedText(double formMs) {
    const auto seconds = static_cast<long>(std::floor(formMs / kMsPerSecond));
    char text[32];
    std::snprintf(text, sizeof text, "%02ld:%02ld", seconds / kSecondsPerMinute, seconds % kSecondsPerMinute);
    return text;
}

std::string statusLine(const Status& status, const Wording& wording, StatusUse use) {
    const bool plain = !status.paused && status.speed == 1 && !status.behind;
    if (plain && use == StatusUse::OverThePicture) {
        return {};
    }
    std::string line;
    const auto add = [&line](const std::string& part) {
        line += line.empty() ? "" : kSeparator;
        line += part;
    };
    if (status.paused) {
        add(wording.text("status", kPaused));
    }
    if (status.speed != 1 || use == StatusUse::InThePanel) {
        add(speedText(status.speed));
    }
    add(elapsedText(status.formMs));
    if (status.behind) {
        add(wording.text("status", kBehindText));
    }
    return line;
}

}  // namespace kestrel::host
