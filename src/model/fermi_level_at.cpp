#include "model/form1.h"

namespace kestrel {

// The y of the Fermi level at X: flat on either side, a straight line across
// the depletion region. The region edges belong to the flat parts.
void Form1::FermiLevelAt() {
    if (X <= JunctionLeft) {
        FermiYAtX = FermiYn;
    }
    if (X > JunctionLeft && X < JunctionRight) {
        const double slope = divide(sub16(FermiYp, FermiYn), JunctionWidth);
        const float intoRegion = X - static_cast<float>(JunctionLeft);
        FermiYAtX = to16(checkedResult(FermiYn + slope * intoRegion));
    }
    if (X >= JunctionRight) {
        FermiYAtX = FermiYp;
    }
}

}  // namespace kestrel
