#include "core/form/form1.h"

namespace kestrel {

// One 50 ms step of the animation: every live electron moves, the electron
// contact injects or withdraws one; the same for the holes; then a pair may
// appear, pairs may vanish, the bins roll over and the chart gets a point.
// Each loop runs to the count it started with, so a carrier injected at a
// contact first moves on the next tick.
void Form1::Timer1_Timer() {
    Int16 electronsHome = 0;
    const Int16 electrons = ElectronCount;
    for (Int16 n = 1; n <= electrons; n = add16(n, 1)) {
        if (MoveElectron(n)) {
            electronsHome = add16(electronsHome, 1);
        }
    }
    ElectronContact(electronsHome);

    Int16 holesHome = 0;
    const Int16 holes = HoleCount;
    for (Int16 n = 1; n <= holes; n = add16(n, 1)) {
        if (MoveHole(n)) {
            holesHome = add16(holesHome, 1);
        }
    }
    HoleContact(holesHome);

    GeneratePair();
    RecombinePair();
    RollBins();
    PlotChartPoint();
}

}  // namespace kestrel
