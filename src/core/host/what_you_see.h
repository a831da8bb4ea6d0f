#pragma once

#include <array>

#include "core/form/texts.h"

// The words of the page that explains the picture, beside the legend
// (picture/legend.h): what a forward and a reverse bias do, and what the
// readout counts, honestly. Each front-end shows these sections in order,
// a heading and a few sentences each, in the user's language.
namespace kestrel::host {

struct ExplainedSection {
    const char* heading;  // context "explain"
    const char* text;     // context "explain"
};

// The heading above the legend.
inline constexpr const char* kLegendHeading = KESTREL_TEXT("explain", "The picture");

// The readout's name, as the I–V chart's axis and the CSV of readouts name it too.
inline constexpr const char* kReadoutName =
    KESTREL_TEXT("explain", "Readout (net carriers crossing in 10 s)");

inline constexpr std::array<ExplainedSection, 3> kWhatYouSee{{
    {KESTREL_TEXT("explain", "Forward bias"),
     KESTREL_TEXT(
         "explain",
         "A forward bias (a positive number in \"Bias (V)\") moves the p side's levels down toward the "
         "n side's: the barrier gets lower and the depletion region narrower. Many more electrons now "
         "wander from the n side over to the p side, and holes the other way. The contacts replace the "
         "carriers that left, so the readout grows with the bias: about 107 at 0.3 V, about 204 at "
         "0.59 V.")},
    {KESTREL_TEXT("explain", "Reverse bias"),
     KESTREL_TEXT(
         "explain",
         "A reverse bias (a negative number) lifts the p side's levels: the barrier gets higher and the "
         "depletion region wider, and hardly any carrier gets across. The contacts now take out more "
         "carriers than they bring in, and the readout falls below zero.")},
    {kReadoutName,
     KESTREL_TEXT(
         "explain",
         "Every 10 s the box labelled \"Current (mA)\" shows this count for the last 10 s: +1 for each "
         "carrier a contact brings in, −1 for each one it takes out, and +1 for each pair made by heat "
         "outside the depletion region. It is a count in the model's own units, not milliamperes. This "
         "simple model shows the direction and the trend, not the diode law: it reads about +16 at 0 V, "
         "where a real diode carries no current, and its reverse readings do not level off (about −12.5 "
         "at −0.7 V), where a real diode's would stay small and steady.")},
}};

}  // namespace kestrel::host
