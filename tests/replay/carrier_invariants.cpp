#include "carrier_invariants.h"

namespace kestrel {
namespace {

constexpr float kLowestHoleTop = 4500;

std::string brokenFor(const char* kind, Int16 count, const DotArray& dots, DotItem design, bool electrons,
                      const Form1& form) {
    if (count < 0 || count > kMostCarriers) {
        return std::string(kind) + " count " + std::to_string(count);
    }
    for (int n = 0; n <= kMostCarriers; ++n) {
        const DotItem& dot = dots(n);
        const char* problem =
            n == 0      ? (dot == design ? nullptr : "moved from its design place")
            : n > count ? (dot.Top == kParkedTop ? nullptr : "above the count is not parked")
            : dot.Left < form.XMin || dot.Left > form.XMax         ? "off the crystal"
            : (electrons ? dot.Top < 0 : dot.Top > kLowestHoleTop) ? "outside the window's limit"
                                                                   : nullptr;
        if (problem != nullptr) {
            return std::string(kind) + " slot " + std::to_string(n) + " " + problem;
        }
    }
    return {};
}

}  // namespace

std::string brokenInvariant(const Form1& form) {
    const std::string broken =
        brokenFor("electron", form.ElectronCount, form.Shape1, kElectronDesignPlace, true, form);
    return broken.empty() ? brokenFor("hole", form.HoleCount, form.Shape2, kHoleDesignPlace, false, form)
                          : broken;
}

bool keepsInvariants(double fermiN, double fermiP) {
    return fermiN - fermiP >= 0.12 && fermiN - fermiP <= 0.8;
}

}  // namespace kestrel
