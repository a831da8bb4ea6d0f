#include "core/form/form1.h"
#include "core/numbers/text_number.h"
#include "core/setup/junction_regions.h"

namespace kestrel {
namespace {

// A pair appears on a tick when 3000·r does not exceed the temperature: one
// tick in ten at 300 K, every tick from 3000 K on.
constexpr double kGenerationScale = 3000;

}  // namespace

// Thermal generation: at most one electron-hole pair per tick, both dots at
// one random place along the crystal on their band edges, flashed by the red
// marker. A pair outside the depletion region counts one event toward the
// current. The contacts leave at most 99 carriers of each kind, so the new
// slots exist.
void Form1::GeneratePair() {
    if (toSingle(static_cast<double>(random().draw()) * kGenerationScale) > Temperature) {
        return;
    }
    ElectronCount = add16(ElectronCount, 1);
    HoleCount = add16(HoleCount, 1);
    const float x = toSingle(static_cast<double>(random().draw()) * XSpan + XMin);
    DotItem& electron = Shape1(ElectronCount);
    DotItem& hole = Shape2(HoleCount);
    electron.Left = x;
    hole.Left = x;
    Line18.X1 = x;
    Line18.X2 = x;

    if (onNSide(x, *this)) {
        electron.Top = sub16(EcYn, DotSize);
        hole.Top = EvYn;
        CrossCount = add16(CrossCount, 1);
    }
    if (onPSide(x, *this)) {
        electron.Top = sub16(EcYp, DotSize);
        hole.Top = EvYp;
        CrossCount = add16(CrossCount, 1);
    }
    if (inDepletion(x, *this)) {
        electron.Top = toSingle(electronRestInDepletion(x, *this));
        hole.Top = toSingle(valenceEdgeInDepletion(x, *this));
    }
    SpanGap(Line18, x);

    Line18.Visible = true;
    Timer3.Enabled = true;
    Text5.Text = formatCount(ElectronCount);
    Text6.Text = formatCount(HoleCount);
}

}  // namespace kestrel
