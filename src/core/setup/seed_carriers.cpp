#include <algorithm>

#include "core/form/form1.h"

namespace kestrel {
// Scatters 100 electrons over the n side on its conduction edge and 100 holes
// over the p side under its valence edge, alternating one draw each; the dots
// beyond the quotas are parked. Then the step starts.
void Form1::SeedCarriers() {
    ElectronCount = static_cast<Int16>(std::clamp<int>(ElectronQuota, 0, kMostCarriers));
    HoleCount = static_cast<Int16>(std::clamp<int>(HoleQuota, 0, kMostCarriers));
    for (I = 1; I <= kMostCarriers; I = add16(I, 1)) {
        X = toSingle(sub16(JunctionLeft, XMin) * static_cast<double>(random().draw()) + XMin);
        Shape1(I).Left = X;
        Shape1(I).Top = sub16(EcYn, DotSize);
        if (I > ElectronCount) {
            Shape1(I).Top = kParkedTop;
        }
        X = toSingle(sub16(XMax, JunctionRight) * static_cast<double>(random().draw()) + JunctionRight);
        Shape2(I).Left = X;
        Shape2(I).Top = EvYp;
        if (I > HoleCount) {
            Shape2(I).Top = kParkedTop;
        }
    }
    Timer1.Enabled = true;
}

}  // namespace kestrel
