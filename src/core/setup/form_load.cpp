#include "core/form/form1.h"

namespace kestrel {

// Stores the fixed geometry of the crystal and the band diagram's n side.
void Form1::Form_Load() {
    ChartX = 0;
    DotSize = 105;
    XMin = 1400;
    XMax = 8160;
    JunctionLeft = 4080;
    XSpan = 6760;
    EvYn = 3120;
    EcYn = 1920;
    ElectronPullThreshold = 3.0F;
    HolePullThreshold = 2.3F;
    ElecXMin = 1400;
    ElecXMax = 8160;
    HoleXMin = 1400;
    HoleXMax = 8160;
    Picture1.Cls();
    RollBins();
    Line18.Visible = false;
    Line19.Visible = false;
    Timer3.Enabled = false;
    Timer4.Enabled = false;
}

}  // namespace kestrel
