#include <benchmark/benchmark.h>

#include "core/form/form1.h"

// The cost of one 50 ms step of the simulation alone, at steady state with
// the default inputs (bias 0, 300 K, 80 carriers of each kind).
namespace kestrel {
namespace {

constexpr int kWarmUpTicks = 2000;

void BM_Timer1Tick(benchmark::State& state) {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    for (int tick = 0; tick < kWarmUpTicks; ++tick) {
        form.Timer1_Timer();
    }
    for (auto _ : state) {
        form.Timer1_Timer();
        benchmark::DoNotOptimize(form.ElectronCount);
    }
    state.counters["carriers"] = form.ElectronCount + form.HoleCount;
}
BENCHMARK(BM_Timer1Tick);

}  // namespace
}  // namespace kestrel

BENCHMARK_MAIN();
