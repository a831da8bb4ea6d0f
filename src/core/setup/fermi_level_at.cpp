#include "core/form/form1.h"
#include "core/setup/junction_regions.h"

namespace kestrel {

// Flat on either side, a straight line across the depletion region. The
// region edges belong to the flat parts.
Int16 Form1::FermiLevelAt(float x) {
    if (onNSide(x, *this)) {
        FermiYAtX = FermiYn;
    }
    if (inDepletion(x, *this)) {
        FermiYAtX = to16(acrossDepletion(x, *this, FermiYn, sub16(FermiYp, FermiYn)));
    }
    if (onPSide(x, *this)) {
        FermiYAtX = FermiYp;
    }
    return FermiYAtX;
}

}  // namespace kestrel
