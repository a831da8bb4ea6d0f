#pragma once

#include "core/form/texts.h"

// What the "Current (mA)" box shows every 10 seconds of the form's time,
// named for what it counts, in the same words wherever it is explained: the
// I–V chart's axis and the readouts' CSV (context "readout").
namespace kestrel::texts {

inline constexpr const char* kReadoutName =
    KESTREL_TEXT("readout", "Readout (net carriers crossing in 10 s)");
// The same name as a CSV column.
inline constexpr const char* kReadoutColumn = "readout_net_carriers_per_10s";

}  // namespace kestrel::texts
