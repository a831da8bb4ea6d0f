#include "core/form/form1.h"

namespace kestrel {
namespace {

// How far a draw must pull a carrier before the band pulls it back.
constexpr float kElectronPullThreshold = 3.0F;
constexpr float kHolePullThreshold = 2.3F;

}  // namespace

// Stores the fixed geometry of the crystal and the band diagram's n side.
void Form1::Form_Load() {
    using namespace geometry;
    ChartX = 0;
    DotSize = kDotSize;
    XMin = kCrystalLeft;
    XMax = kCrystalRight;
    JunctionLeft = kJunctionLeft;
    XSpan = kCrystalSpan;
    EvYn = kValenceEdgeN;
    EcYn = kConductionEdgeN;
    ElectronPullThreshold = kElectronPullThreshold;
    HolePullThreshold = kHolePullThreshold;
    ElecXMin = kCrystalLeft;
    ElecXMax = kCrystalRight;
    HoleXMin = kCrystalLeft;
    HoleXMax = kCrystalRight;
    Picture1.Cls();
    RollBins();
    Line18.Visible = false;
    Line19.Visible = false;
    Timer3.Enabled = false;
    Timer4.Enabled = false;
}

}  // namespace kestrel
