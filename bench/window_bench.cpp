#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPushButton>

#include "ui/form_window.h"

// The cost of one step as the user sees it: the tick, the window mirroring
// what changed, and a full repaint of the window on Qt's offscreen platform.
namespace kestrel::ui {
namespace {

constexpr int kWarmUpTicks = 2000;

void tick(FormWindow& window) {
    window.tickTimer(1);
}

void BM_TickAndRepaint(benchmark::State& state) {
    FormWindow window;
    window.show();
    window.setPaused(true);  // ticks are driven here, not by the clock
    window.button(1)->click();
    for (int n = 0; n < kWarmUpTicks; ++n) {
        tick(window);
    }
    // The whole window, child widgets included, painted into an image the
    // size of the screen's backing store.
    QImage frame(window.size() * window.devicePixelRatio(), QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(window.devicePixelRatio());
    for (auto _ : state) {
        tick(window);
        window.render(&frame);
    }
}
BENCHMARK(BM_TickAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrel::ui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
