#include "sweep_progress.h"

#include <algorithm>
#include <ostream>
#include <utility>

namespace kestrel {

SweepProgress::SweepProgress(std::size_t biases, std::ostream& err, Now now)
    : biases_(biases), err_(err), now_(std::move(now)), nextReport_(now_() + kQuietTime) {}

void SweepProgress::finished(std::size_t finished) {
    const std::lock_guard lock(mutex_);
    finished_ = std::max(finished_, finished);
    const Clock::time_point now = now_();
    if (now < nextReport_) {
        return;
    }
    nextReport_ = now + kReportInterval;
    err_ << "kestrel-replay: sweep: " << finished_ << " of " << biases_ << " biases done" << std::endl;
}

}  // namespace kestrel
