#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <iosfwd>
#include <mutex>

// How far a long sweep has come, said on the error stream so that a sweep
// of a minute does not look hung: "kestrel-replay: sweep: 120 of 2600
// biases done". A short sweep says nothing.
namespace kestrel {

class SweepProgress {
public:
    using Clock = std::chrono::steady_clock;
    using Now = std::function<Clock::time_point()>;

    // Nothing is said in a sweep's first kQuietTime, and then at most once
    // every kReportInterval.
    static constexpr Clock::duration kQuietTime = std::chrono::seconds(2);
    static constexpr Clock::duration kReportInterval = std::chrono::seconds(1);

    // The sweep of `biases` biases starts now.
    SweepProgress(std::size_t biases, std::ostream& err, Now now = Clock::now);

    // `finished` biases have run. The sweep's threads call it as each of
    // theirs finishes, so the counts may arrive out of order.
    void finished(std::size_t finished);

private:
    std::size_t biases_;
    std::ostream& err_;
    Now now_;
    Clock::time_point nextReport_;
    std::size_t finished_ = 0;
    std::mutex mutex_;
};

}  // namespace kestrel
