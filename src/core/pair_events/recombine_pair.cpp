#include <cmath>

#include "core/form/form1.h"

namespace kestrel {
namespace {

// A picked electron and hole closer than this, left edge to left edge,
// annihilate; their heights do not matter.
constexpr float kRecombinationReach = 200;

// The trials made beyond one per electron above the quota.
constexpr Int16 kExtraTrials = 10;

// A carrier picked uniformly from slots 1..count.
Int16 pick(float r, Int16 count) {
    return to16(std::floor(static_cast<double>(r) * count) + 1);
}

// The freed slot takes over the last live carrier, which is parked; picking
// the last one itself simply parks it.
void refillFromLast(DotArray& dots, Int16 freed, Int16 last) {
    dots(freed).Top = dots(last).Top;
    dots(freed).Left = dots(last).Left;
}

}  // namespace

// Recombination: random trials, more of them the more electrons there are
// above the quota, each picking one live electron and one live hole; a close
// pair vanishes, the blue marker flashing where the electron was. The number
// of trials is fixed on entry and every trial draws twice.
void Form1::RecombinePair() {
    const Int16 lastTrial = add16(sub16(ElectronCount, ElectronQuota), kExtraTrials);
    for (Int16 trial = 0; trial <= lastTrial; trial = add16(trial, 1)) {
        const Int16 electronPick = pick(random().draw(), ElectronCount);
        HolePick = pick(random().draw(), HoleCount);
        if (ElectronCount <= 0 || HoleCount <= 0) {
            continue;
        }
        const float holeLeft = Shape2(HolePick).Left;
        const float distance = std::fabs(holeLeft - Shape1(electronPick).Left);
        if (!(distance < kRecombinationReach)) {
            continue;
        }
        const float x = Shape1(electronPick).Left;
        Line19.X1 = x;
        Line19.X2 = x;
        refillFromLast(Shape1, electronPick, ElectronCount);
        refillFromLast(Shape2, HolePick, HoleCount);
        Shape1(ElectronCount).Top = kParkedTop;
        Shape2(HoleCount).Top = kParkedTop;
        ElectronCount = sub16(ElectronCount, 1);
        HoleCount = sub16(HoleCount, 1);
        SpanGap(Line19, x);
        Line19.Visible = true;
        Timer4.Enabled = true;
    }
}

}  // namespace kestrel
