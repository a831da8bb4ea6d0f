#include "core/form/form1.h"

namespace kestrel {

// Hands the bin counts gathered in this step over to the next step's drift
// rule and starts counting afresh. Only bins 0 to kBins are ever counted.
void Form1::RollBins() {
    for (Int16 bin = 0; bin <= kBins; bin = add16(bin, 1)) {
        ElectronBinsPrev(bin) = ElectronBins(bin);
        ElectronBins(bin) = 0;
        HoleBinsPrev(bin) = HoleBins(bin);
        HoleBins(bin) = 0;
    }
}

}  // namespace kestrel
