#pragma once

#include "core/form/geometry.h"
#include "core/numbers/fixed_array.h"
#include "core/numbers/numbers.h"

// Every variable of the simulation, in twips and carriers, zero until the
// load procedure stores the fixed geometry. y grows downward, so a higher
// energy has a smaller y; one electron-volt is geometry::kTwipsPerEv.
namespace kestrel {

// The crystal span is cut into kBins equal bins, numbered 0 to kBins - 1;
// a carrier at the span's right end is in bin kBins. The arrays are larger
// than that, as the window was designed.
inline constexpr int kBins = 20;
using BinArray = FixedArray<Int16, 0, 50>;

struct SimulationState {
    Int16 ElectronCount = 0;  // live electrons are Shape1(1..ElectronCount)
    Int16 HoleCount = 0;      // live holes are Shape2(1..HoleCount)
    Int16 ElectronQuota = 0;  // 80 per eV of both Fermi levels above their valence edges
    Int16 HoleQuota = 0;      // 80 per eV of both Fermi levels below their conduction edges
    float ElectronPullThreshold = 0;
    float HolePullThreshold = 0;
    Int16 FermiYAtX = 0;  // the last result of FermiLevelAt
    Int16 FermiYn = 0;
    Int16 FermiYp = 0;
    Int16 EcYn = 0;
    Int16 EcYp = 0;
    Int16 EvYn = 0;
    Int16 EvYp = 0;
    Int16 GapHeight = 0;
    Int16 XMin = 0;  // left contact
    Int16 XMax = 0;  // right contact
    Int16 XSpan = 0;
    Int16 DotSize = 0;
    Int16 JunctionLeft = 0;   // depletion region, fixed left edge
    Int16 JunctionRight = 0;  // depletion region, right edge moved by the bias
    Int16 JunctionWidth = 0;
    Int16 Temperature = 0;  // kelvin
    BinArray ElectronBins;
    BinArray HoleBins;
    BinArray ElectronBinsPrev;
    BinArray HoleBinsPrev;
    Int16 ElecXMin = 0;
    Int16 ElecXMax = 0;
    Int16 HoleXMin = 0;
    Int16 HoleXMax = 0;
    Int16 CrossCount = 0;  // net events since the last readout or set-up

    Int16 HolePick = 0;  // the hole of the last recombination trial
    Int16 ChartX = 0;    // next x of the strip chart, twips
};

}  // namespace kestrel
