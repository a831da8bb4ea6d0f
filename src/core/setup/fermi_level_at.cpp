#include "core/form/form1.h"
#include "core/setup/junction_regions.h"

namespace kestrel {

// The y of the Fermi level at X: flat on either side, a straight line across
// the depletion region. The region edges belong to the flat parts.
void Form1::FermiLevelAt() {
    if (onNSide(X, *this)) {
        FermiYAtX = FermiYn;
    }
    if (inDepletion(X, *this)) {
        FermiYAtX = to16(acrossDepletion(X, *this, FermiYn, sub16(FermiYp, FermiYn)));
    }
    if (onPSide(X, *this)) {
        FermiYAtX = FermiYp;
    }
}

}  // namespace kestrel
