#include "core/form/form1.h"

namespace kestrel {

// One 50 ms step of the animation: every live electron moves, the electron
// contact injects or withdraws one; the same for the holes; then a pair may
// appear, pairs may vanish, the bins roll over and the chart gets a point.
// Each loop runs to the count it started with, so a carrier injected at a
// contact first moves on the next tick.
void Form1::Timer1_Timer() {
    Tally = 0;
    const Int16 electrons = ElectronCount;
    for (I = 1; I <= electrons; I = add16(I, 1)) {
        MoveElectron();
    }
    ElectronContact();

    Tally = 0;
    const Int16 holes = HoleCount;
    for (I = 1; I <= holes; I = add16(I, 1)) {
        MoveHole();
    }
    HoleContact();

    GeneratePair();
    RecombinePair();
    RollBins();
    PlotChartPoint();
}

}  // namespace kestrel
