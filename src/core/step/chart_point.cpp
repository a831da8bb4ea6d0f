#include "core/form/form1.h"

namespace kestrel {
namespace {

// The strip chart: 2 twips per tick, 14 twips per electron, no electrons at
// y 1380; a sweep ends after the point at x 2660.
constexpr Int16 kChartBaseline = 1380;
constexpr Int16 kChartTwipsPerElectron = 14;
constexpr Int16 kChartTwipsPerTick = 2;
constexpr Int16 kChartLastX = 2660;
constexpr int kBlack = 0;

}  // namespace

// Plots this tick's electron count; after the last point of a sweep the
// chart is cleared so the next one starts on an empty picture.
void Form1::PlotChartPoint() {
    const Int16 y = sub16(kChartBaseline, mul16(kChartTwipsPerElectron, ElectronCount));
    Picture1.PSet(ChartX, y, kBlack);
    ChartX = add16(ChartX, kChartTwipsPerTick);
    if (ChartX > kChartLastX) {
        ChartX = 0;
        Picture1.Cls();
    }
}

}  // namespace kestrel
