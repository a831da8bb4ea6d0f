#include "core/form/form1.h"

namespace kestrel {

// Hands the bin counts gathered in this step over to the next step's drift
// rule and starts counting afresh. Only bins 0 to 20 are ever counted.
void Form1::RollBins() {
    for (I = 0; I <= 20; I = add16(I, 1)) {
        ElectronBinsPrev(I) = ElectronBins(I);
        ElectronBins(I) = 0;
        HoleBinsPrev(I) = HoleBins(I);
        HoleBins(I) = 0;
    }
}

}  // namespace kestrel
