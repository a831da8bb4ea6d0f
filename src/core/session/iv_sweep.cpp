#include "core/session/iv_sweep.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <exception>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "core/form/design.h"
#include "core/form/form1.h"
#include "core/numbers/run_time_error.h"

namespace kestrel {
namespace {

constexpr const design::TimerDesign& timerDesign(void (Form1::*procedure)()) {
    for (const auto& timer : design::kTimers) {
        if (timer.tick == procedure) {
            return timer;
        }
    }
    throw std::logic_error("a timer procedure without its row in the design table");
}

const design::TimerDesign& kStep = timerDesign(&Form1::Timer1_Timer);
const design::TimerDesign& kReadout = timerDesign(&Form1::Timer2_Timer);

// The number the current box shows; the readout writes nothing else.
Int16 shownReading(const TextBoxItem& box) {
    Int16 reading = 0;
    std::from_chars(box.Text.data(), box.Text.data() + box.Text.size(), reading);
    return reading;
}

}  // namespace

IvRow runIvBias(const std::string& bias, int minutes) {
    Form1 form;
    form.Form_Load();
    form.Text4.Text = bias;
    form.Command1_Click();

    IvRow row{bias, {}};
    const long ticks = static_cast<long>(minutes) * kTimer1TicksPerMinute;
    for (long n = 1; n <= ticks; ++n) {
        tick(form, kStep);
        if (n % kTimer1TicksPerReadout == 0) {
            tick(form, kReadout);
            row.readings.push_back(shownReading(form.Text7));
        }
    }
    return row;
}

std::vector<IvRow> runIvSweep(const std::vector<std::string>& biases, int minutes, unsigned workers,
                              const IvSweepProgress& progress) {
    std::vector<IvRow> rows(biases.size());
    std::vector<std::exception_ptr> failures(biases.size());
    // Biases are handed out in list order, so when one fails every bias
    // before it has been handed out and will finish.
    std::atomic<std::size_t> next = 0;
    std::atomic<bool> failed = false;
    std::atomic<std::size_t> finished = 0;
    const auto work = [&] {
        for (std::size_t n = next++; n < biases.size() && !failed; n = next++) {
            try {
                rows[n] = runIvBias(biases[n], minutes);
                const std::size_t finishedNow = ++finished;
                if (progress) {
                    progress(finishedNow);
                }
            } catch (...) {
                failures[n] = std::current_exception();
                failed = true;
            }
        }
    };
    const unsigned threads =
        std::clamp<std::size_t>(workers > 0 ? workers : std::max(1U, std::thread::hardware_concurrency()), 1,
                                std::max<std::size_t>(biases.size(), 1));
    {
        // Where no thread can be started (WebAssembly built without
        // threads), this one does all the work.
        std::vector<std::thread> helpers;
        for (unsigned helper = 1; helper < threads; ++helper) {
            try {
                helpers.emplace_back(work);
            } catch (const std::system_error&) {
                break;
            }
        }
        work();
        for (std::thread& helper : helpers) {
            helper.join();
        }
    }
    for (std::size_t n = 0; n < biases.size(); ++n) {
        if (failures[n]) {
            try {
                std::rethrow_exception(failures[n]);
            } catch (const RunTimeError& error) {
                throw RunTimeError(error.kind(), "at bias " + biases[n] + ": " + error.what());
            }
        }
    }
    return rows;
}

long long meanInHundredths(const std::vector<Int16>& readings) {
    if (readings.empty()) {
        return 0;
    }
    long long sum = 0;
    for (const Int16 reading : readings) {
        sum += reading;
    }
    const long long count = static_cast<long long>(readings.size());
    const long long scaled = 100 * (sum < 0 ? -sum : sum);
    const long long rounded = (2 * scaled + count) / (2 * count);
    return sum < 0 ? -rounded : rounded;
}

std::string writtenInHundredths(long long hundredths) {
    const long long magnitude = hundredths < 0 ? -hundredths : hundredths;
    const long long cents = magnitude % 100;
    std::string text = hundredths < 0 ? "-" : "";
    text += std::to_string(magnitude / 100);
    text += cents < 10 ? ".0" : ".";
    text += std::to_string(cents);
    return text;
}

}  // namespace kestrel
