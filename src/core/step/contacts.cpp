#include "core/form/form1.h"

// After each loop its contact adds one carrier or takes the highest-numbered
// one away, pulling the number on the home side (counted by the loop) toward
// the quota. Each addition counts +1 in CrossCount and each removal -1. At most
// 99 carriers are kept before the pair events, so a generated pair always
// finds a free slot.
namespace kestrel {
namespace {

constexpr Int16 kContactLimit = 99;

// How far from its contact a new carrier may start, and how far from its band
// edge.
constexpr double kContactReach = 500;
constexpr double kContactHeight = 800;

// Takes carrier `count` out of the live slots. With none left there is
// nothing to take, and nothing changes.
void withdraw(DotArray& dots, Int16& count, Int16& crossCount) {
    if (count <= 0) {
        return;
    }
    dots(count).Top = kParkedTop;
    count = sub16(count, 1);
    crossCount = sub16(crossCount, 1);
}

}  // namespace

// New electrons come in within kContactReach of the left contact, on or up
// to kContactHeight above the n-side conduction edge.
void Form1::ElectronContact(Int16 onHomeSide) {
    if (onHomeSide < ElectronQuota && ElectronCount < kContactLimit) {
        ElectronCount = add16(ElectronCount, 1);
        DotItem& dot = Shape1(ElectronCount);
        dot.Left = toSingle(static_cast<double>(random().draw()) * kContactReach + XMin);
        dot.Top = toSingle(sub16(EcYn, DotSize) - static_cast<double>(random().draw()) * kContactHeight);
        CrossCount = add16(CrossCount, 1);
    } else {
        withdraw(Shape1, ElectronCount, CrossCount);
    }
}

// New holes come in within kContactReach of the right contact, at or up to
// kContactHeight below the p-side valence edge.
void Form1::HoleContact(Int16 onHomeSide) {
    if (onHomeSide < HoleQuota && HoleCount < kContactLimit) {
        HoleCount = add16(HoleCount, 1);
        DotItem& dot = Shape2(HoleCount);
        dot.Left = toSingle(XMax - static_cast<double>(random().draw()) * kContactReach);
        dot.Top = toSingle(static_cast<double>(random().draw()) * kContactHeight + EvYp);
        CrossCount = add16(CrossCount, 1);
    } else {
        withdraw(Shape2, HoleCount, CrossCount);
    }
}

}  // namespace kestrel
