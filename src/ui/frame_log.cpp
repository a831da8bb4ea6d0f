#include "ui/frame_log.h"

#include <cstdlib>

namespace kestrel::ui {
namespace {

long long nanoseconds(std::chrono::steady_clock::duration length) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(length).count();
}

}  // namespace

std::unique_ptr<FrameLog> FrameLog::fromEnvironment() {
    const char* path = std::getenv("KESTREL_FRAME_LOG");
    if (path == nullptr || *path == '\0') {
        return nullptr;
    }
    return std::make_unique<FrameLog>(path);
}

FrameLog::FrameLog(const std::string& path) : file_(path) {}

void FrameLog::firstPaintShown() {
    file_ << "first-paint " << nanoseconds(Clock::now().time_since_epoch()) << std::endl;
}

// Each line is flushed as it is written, outside the timed work, so a reader
// sees it at once and a killed program loses nothing.
void FrameLog::write(std::string_view what, Clock::time_point start, Clock::duration length) {
    file_ << what << ' ' << nanoseconds(start.time_since_epoch()) << ' ' << nanoseconds(length) << std::endl;
}

}  // namespace kestrel::ui
