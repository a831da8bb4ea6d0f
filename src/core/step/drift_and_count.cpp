#include "core/step/carrier_step.h"
#include "core/form/form1.h"

namespace kestrel {

// The bin goes through X, as every part of the move shares it. Bins 0, 19
// and 20 have a neighbour missing or at the crystal's end, so they never
// drift; neither does a carrier that stepped beyond the crystal.
void Form1::DriftAndCount(DotItem& dot, const BinArray& binsPrev, BinArray& bins, Int16 spanStart,
                          Int16 spanEnd) {
    X = binOf(dot.Left, spanStart, spanEnd);
    if (X > 0 && X < 19) {
        const Int16 below = binsPrev(to16(X - 1.0));
        const Int16 above = binsPrev(to16(X + 1.0));
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
    X = binOf(dot.Left, spanStart, spanEnd);
    const Int16 bin = to16(X);
    bins(bin) = add16(bins(bin), 1);
}

}  // namespace kestrel
