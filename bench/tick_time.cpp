// kestrel_tick_time: the cost of one Timer1 tick at steady state, as
// kestrel_step_bench measures it (default inputs, after 2000 ticks), timed
// with the standard clock alone so that the same program runs natively and
// compiled to WebAssembly under Node, and the two can be set side by side.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "core/form/form1.h"

namespace {

constexpr int kWarmUpTicks = 2000;
constexpr int kBatches = 15;
constexpr int kTicksPerBatch = 1000;

}  // namespace

int main() {
    using Clock = std::chrono::steady_clock;
    kestrel::Form1 form;
    form.Form_Load();
    form.Command1_Click();
    for (int tick = 0; tick < kWarmUpTicks; ++tick) {
        form.Timer1_Timer();
    }
    std::vector<double> microseconds;
    for (int batch = 0; batch < kBatches; ++batch) {
        const auto start = Clock::now();
        for (int tick = 0; tick < kTicksPerBatch; ++tick) {
            form.Timer1_Timer();
        }
        const std::chrono::duration<double, std::micro> spent = Clock::now() - start;
        microseconds.push_back(spent.count() / kTicksPerBatch);
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("one Timer1 tick: %.2f us (median of %d batches of %d ticks; fastest %.2f us; %d carriers)\n",
                microseconds[microseconds.size() / 2], kBatches, kTicksPerBatch, microseconds.front(),
                form.ElectronCount + form.HoleCount);
    return 0;
}
