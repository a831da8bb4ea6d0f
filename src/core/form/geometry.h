#pragma once

// The band diagram's fixed geometry, in twips of the window's client area
// (x to the right, y downward, so a higher energy has a smaller y). Every
// other place and limit of the simulation is derived from these.
namespace kestrel::geometry {

// One electron-volt of energy, and one volt of bias, is this much height.
inline constexpr int kTwipsPerEv = 1200;

// The band gap is one electron-volt.
inline constexpr int kGapHeight = kTwipsPerEv;

// The crystal runs between its two contacts: electrons come in at the left
// (n side), holes at the right (p side).
inline constexpr int kCrystalLeft = 1400;
inline constexpr int kCrystalRight = 8160;
inline constexpr int kCrystalSpan = kCrystalRight - kCrystalLeft;

// The n side's band edges never move; the p side's follow the inputs.
inline constexpr int kConductionEdgeN = 1920;
inline constexpr int kValenceEdgeN = kConductionEdgeN + kGapHeight;

// The depletion region starts at a fixed place; its right edge stands here
// without bias and moves left by kTwipsPerEv per volt of forward bias.
inline constexpr int kJunctionLeft = 4080;
inline constexpr int kJunctionRightUnbiased = 5160;

// A carrier dot is a circle this many twips across.
inline constexpr int kDotSize = 105;

// The move limits: an electron inside the depletion region is pushed back
// when it sits within this height above the p-side conduction edge, and a
// hole never hangs lower than this Top.
inline constexpr int kElectronBarrierHeight = 200;
inline constexpr int kHoleLowestTop = 4500;

// The band and Fermi lines of the n side start here, just right of their
// labels.
inline constexpr int kBandLinesLeft = 1440;

// The Fermi levels the boxes start with, in tenths of an electron-volt above
// each side's valence edge, and where the lines stand for them without
// bias: the window's design before the first "Start".
inline constexpr int kFermiLevelNTenths = 8;
inline constexpr int kFermiLevelPTenths = 2;
inline constexpr int kDesignFermiY = kValenceEdgeN - kFermiLevelNTenths * kTwipsPerEv / 10;
inline constexpr int kDesignValenceEdgeP = kDesignFermiY + kFermiLevelPTenths * kTwipsPerEv / 10;
inline constexpr int kDesignConductionEdgeP = kDesignValenceEdgeP - kGapHeight;

}  // namespace kestrel::geometry
