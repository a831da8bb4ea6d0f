#include "carrier_invariants.h"

namespace kestrel {
namespace {

std::string slotProblem(const char* kind, int slot, const char* problem) {
    return std::string(kind) + " slot " + std::to_string(slot) + " " + problem;
}

}  // namespace

// New holes may start below y 4500 when the p-side valence edge lies within
// 800 twips of it, which only Fermi levels other than the window's allow.
std::string brokenInvariant(const Form1& form) {
    const bool holeLimitHolds = form.EvYp + 800 <= 4500;
    const auto checkKind = [&form, holeLimitHolds](const char* kind, Int16 count, const DotArray& dots,
                                                   DotItem design, bool electrons) -> std::string {
        if (count < 0 || count > kMostCarriers) {
            return std::string(kind) + " count " + std::to_string(count);
        }
        if (!(dots(0) == design)) {
            return slotProblem(kind, 0, "moved");
        }
        for (int n = 1; n <= kMostCarriers; ++n) {
            const DotItem& dot = dots(n);
            if (n > count && dot.Top != kParkedTop) {
                return slotProblem(kind, n, "above the count is not parked");
            }
            if (n <= count && (dot.Left < form.XMin || dot.Left > form.XMax)) {
                return slotProblem(kind, n, "off the crystal");
            }
            if (n <= count && (electrons ? dot.Top < 0 : holeLimitHolds && dot.Top > 4500)) {
                return slotProblem(kind, n, "outside the window's limit");
            }
        }
        return {};
    };
    std::string broken = checkKind("electron", form.ElectronCount, form.Shape1, kElectronDesignPlace, true);
    return broken.empty() ? checkKind("hole", form.HoleCount, form.Shape2, kHoleDesignPlace, false) : broken;
}

}  // namespace kestrel
