#include "core/form/form1.h"
#include "core/setup/junction_regions.h"
#include "core/step/carrier_step.h"

// An electron's move: it lives on or above the conduction edge, is pulled
// down toward it, and the barrier of the depletion region pushes it back
// toward the n side. Every rule reads the position the previous one wrote.
namespace kestrel {
namespace {

// The lowest Top an electron may have: its dot resting on the conduction
// edge of the region of x.
void confineAboveConductionEdge(DotItem& dot, float x, const SimulationState& s) {
    if (onNSide(x, s) && dot.Top > sub16(s.EcYn, s.DotSize)) {
        dot.Top = sub16(s.EcYn, s.DotSize);
    }
    if (inDepletion(x, s)) {
        const double edge = electronRestInDepletion(x, s);
        if (dot.Top > edge) {
            dot.Top = toSingle(edge);
        }
    }
    if (onPSide(x, s) && dot.Top > sub16(s.EcYp, s.DotSize)) {
        dot.Top = sub16(s.EcYp, s.DotSize);
    }
    if (dot.Top < 0) {
        dot.Top = 0;
    }
}

// Inside the depletion region the barrier pushes back toward the n side: once
// when the dot sits low (within kElectronBarrierHeight above the p-side
// conduction edge),
// and once more when it is right of where the sloped edge, lowered by the
// dot's size, reaches its height. A flat edge never reaches it.
void pushBackToNSide(DotItem& dot, const SimulationState& s) {
    if (dot.Top > sub16(s.EcYp, geometry::kElectronBarrierHeight)) {
        dot.Left = shifted(dot.Left, -1, s.Temperature);
    }
    const Int16 drop = sub16(s.EcYn, s.EcYp);
    if (drop == 0) {
        return;
    }
    const double xe =
        (s.EcYn - static_cast<double>(dot.Top) - s.DotSize) * divide(s.JunctionWidth, drop) + s.JunctionLeft;
    if (toSingle(xe) < dot.Left) {
        dot.Left = shifted(dot.Left, -1, s.Temperature);
    }
}

}  // namespace

// The regions are those of where the electron started; its home side is
// left of the depletion region's right edge.
bool Form1::MoveElectron(Int16 electron) {
    DotItem& dot = Shape1(electron);
    const float start = dot.Left;
    const Int16 fermiY = FermiLevelAt(start);
    dot.Top = randomStep(dot.Top, random().draw(), Temperature);
    if (pullStrength(random().draw(), dot.Top, fermiY) > ElectronPullThreshold) {
        dot.Top = toSingle(static_cast<double>(dot.Top) + kPullTwips);
    }
    confineAboveConductionEdge(dot, start, *this);
    dot.Left = randomStep(dot.Left, random().draw(), Temperature);
    if (inDepletion(start, *this)) {
        pushBackToNSide(dot, *this);
    }
    DriftAndCount(dot, ElectronBinsPrev, ElectronBins, ElecXMin, ElecXMax);
    return dot.Left < JunctionRight;
}

}  // namespace kestrel
