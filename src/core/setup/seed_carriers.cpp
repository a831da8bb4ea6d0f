#include <algorithm>

#include "core/form/form1.h"

namespace kestrel {

// Scatters 100 electrons over the n side on its conduction edge and 100 holes
// over the p side under its valence edge, alternating one draw each; the dots
// beyond the quotas are parked. Then the step starts.
void Form1::SeedCarriers() {
    ElectronCount = static_cast<Int16>(std::clamp<int>(ElectronQuota, 0, kMostCarriers));
    HoleCount = static_cast<Int16>(std::clamp<int>(HoleQuota, 0, kMostCarriers));
    for (Int16 n = 1; n <= kMostCarriers; n = add16(n, 1)) {
        Shape1(n).Left = toSingle(sub16(JunctionLeft, XMin) * static_cast<double>(random().draw()) + XMin);
        Shape1(n).Top = sub16(EcYn, DotSize);
        if (n > ElectronCount) {
            Shape1(n).Top = kParkedTop;
        }
        Shape2(n).Left =
            toSingle(sub16(XMax, JunctionRight) * static_cast<double>(random().draw()) + JunctionRight);
        Shape2(n).Top = EvYp;
        if (n > HoleCount) {
            Shape2(n).Top = kParkedTop;
        }
    }
    Timer1.Enabled = true;
}

}  // namespace kestrel
