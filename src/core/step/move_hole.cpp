#include "core/form/form1.h"
#include "core/setup/junction_regions.h"
#include "core/step/carrier_step.h"

// A hole's move mirrors an electron's onto the valence band: it hangs at or
// below the valence edge, is pulled up toward it, and the barrier pushes it
// back toward the p side.
namespace kestrel {
namespace {

// The highest Top a hole may have: its dot hanging from the valence edge of
// the region of x; and never lower than kHoleLowestTop.
void confineBelowValenceEdge(DotItem& dot, float x, const SimulationState& s) {
    if (onNSide(x, s) && dot.Top < s.EvYn) {
        dot.Top = s.EvYn;
    }
    if (inDepletion(x, s)) {
        const double edge = valenceEdgeInDepletion(x, s);
        if (dot.Top < edge) {
            dot.Top = toSingle(edge);
        }
    }
    if (onPSide(x, s) && dot.Top < s.EvYp) {
        dot.Top = s.EvYp;
    }
    if (dot.Top > geometry::kHoleLowestTop) {
        dot.Top = geometry::kHoleLowestTop;
    }
}

// Inside the depletion region the barrier pushes back toward the p side: once
// when the dot sits above the n-side valence edge, and once more when it is
// left of where the sloped edge reaches its height. A flat edge never does.
void pushBackToPSide(DotItem& dot, const SimulationState& s) {
    if (dot.Top < s.EvYn) {
        dot.Left = shifted(dot.Left, +1, s.Temperature);
    }
    const Int16 drop = sub16(s.EvYn, s.EvYp);
    if (drop == 0) {
        return;
    }
    const float belowEdge = static_cast<float>(s.EvYn) - dot.Top;
    const double xh = divide(s.JunctionWidth, drop) * belowEdge + s.JunctionLeft;
    if (toSingle(xh) > dot.Left) {
        dot.Left = shifted(dot.Left, +1, s.Temperature);
    }
}

}  // namespace

// The regions are those of where the hole started; its home side is right
// of the depletion region's left edge.
bool Form1::MoveHole(Int16 hole) {
    DotItem& dot = Shape2(hole);
    const float start = dot.Left;
    const Int16 fermiY = FermiLevelAt(start);
    dot.Top = randomStep(dot.Top, random().draw(), Temperature);
    if (pullStrength(random().draw(), dot.Top, fermiY) > HolePullThreshold) {
        dot.Top = toSingle(static_cast<double>(dot.Top) - kPullTwips);
    }
    confineBelowValenceEdge(dot, start, *this);
    dot.Left = randomStep(dot.Left, random().draw(), Temperature);
    if (inDepletion(start, *this)) {
        pushBackToPSide(dot, *this);
    }
    DriftAndCount(dot, HoleBinsPrev, HoleBins, HoleXMin, HoleXMax);
    return dot.Left > JunctionLeft;
}

}  // namespace kestrel
