#include "core/form/form1.h"
#include "core/step/carrier_step.h"

namespace kestrel {

// The first bin, the last and the span's end (kBins) have a neighbour
// missing or at the crystal's end, so they never drift; neither does a
// carrier that stepped beyond the crystal.
// The bin is a single, as a position is.
void Form1::DriftAndCount(DotItem& dot, const BinArray& binsPrev, BinArray& bins, Int16 spanStart,
                          Int16 spanEnd) const {
    const float startBin = binOf(dot.Left, spanStart, spanEnd);
    if (startBin > 0 && startBin < kBins - 1) {
        const Int16 below = binsPrev(to16(startBin - 1.0));
        const Int16 above = binsPrev(to16(startBin + 1.0));
        if (below > above) {
            dot.Left = shifted(dot.Left, +1, Temperature);
        } else if (below < above) {
            dot.Left = shifted(dot.Left, -1, Temperature);
        }
    }
    if (dot.Left < XMin) {
        dot.Left = XMin;
    }
    if (dot.Left > XMax) {
        dot.Left = XMax;
    }
    const Int16 bin = to16(binOf(dot.Left, spanStart, spanEnd));
    bins(bin) = add16(bins(bin), 1);
}

}  // namespace kestrel
