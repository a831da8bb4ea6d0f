#include "sweep_progress.h"

#include <gtest/gtest.h>

#include <sstream>

// A long sweep says how far it has come, a short one says nothing; on a
// clock the test moves by hand.
namespace kestrel {
namespace {

using namespace std::chrono_literals;

TEST(SweepProgress, SaysNothingAtFirstThenTheLatestCountAtMostOnceASecond) {
    SweepProgress::Clock::time_point now{};
    std::ostringstream err;
    SweepProgress progress(2600, err, [&now] { return now; });

    now += 1900ms;
    progress.finished(1);
    EXPECT_EQ(err.str(), "");

    now += 100ms;
    progress.finished(3);
    progress.finished(2);  // from a thread that was slower to say so
    now += 999ms;
    progress.finished(4);
    EXPECT_EQ(err.str(), "kestrel-replay: sweep: 3 of 2600 biases done\n");

    now += 1ms;
    progress.finished(6);
    now += 1s;
    progress.finished(5);  // a slower thread's count, after a higher one was said
    EXPECT_EQ(err.str(),
              "kestrel-replay: sweep: 3 of 2600 biases done\n"
              "kestrel-replay: sweep: 6 of 2600 biases done\n"
              "kestrel-replay: sweep: 6 of 2600 biases done\n");
}

}  // namespace
}  // namespace kestrel
