#pragma once

#include <array>
#include <string>

#include "core/picture/canvas.h"

// The legend of the band diagram: each thing the window draws, drawn as the
// window draws it (the same dots, colours and pens), beside a caption that
// says what it stands for. Both front-ends show it on their page that
// explains the picture.
namespace kestrel::picture {

enum class LegendSample {
    Electron,
    Hole,
    Generation,
    Recombination,
    ConductionEdge,
    ValenceEdge,
    FermiLevel,
    DepletionRegion,
    Contacts,
};

struct LegendEntry {
    LegendSample sample;
    const char* caption;  // context "explain"
};

inline constexpr std::array<LegendEntry, 9> kLegend{{
    {LegendSample::Electron,
     KESTREL_TEXT("explain", "Electron: a black dot, on or above the conduction-band edge.")},
    {LegendSample::Hole, KESTREL_TEXT("explain", "Hole: a white dot, on or below the valence-band edge.")},
    {LegendSample::Generation,
     KESTREL_TEXT("explain",
                  "Generation (red line): heat has made an electron–hole pair here. It shows for 0.2 s.")},
    {LegendSample::Recombination,
     KESTREL_TEXT(
         "explain",
         "Recombination (blue line): an electron and a hole met here and vanished. It shows for 0.2 s.")},
    {LegendSample::ConductionEdge, KESTREL_TEXT("explain",
                                                "Conduction-band edge: the upper solid line. Higher on the "
                                                "screen is higher energy for an electron.")},
    {LegendSample::ValenceEdge,
     KESTREL_TEXT("explain", "Valence-band edge: the lower solid line. Holes move on or below it.")},
    {LegendSample::FermiLevel,
     KESTREL_TEXT(
         "explain",
         "Fermi levels (dash-dot), one on each side: level at 0 V; a bias of 0.5 V sets them 0.5 eV apart.")},
    {LegendSample::DepletionRegion,
     KESTREL_TEXT(
         "explain",
         "Depletion region: where the edges slope, between the n side (left) and the p side (right); its "
         "barrier pushes carriers back.")},
    {LegendSample::Contacts,
     KESTREL_TEXT(
         "explain",
         "Contacts: the diode's ends, wired to the battery. Electrons enter and leave at the left (n) end, "
         "holes at the right (p) end.")},
}};

// The legend's size in twips: a row for each entry, room for two lines of
// its caption.
inline constexpr int kLegendWidth = 7500;
inline constexpr int kLegendRowHeight = 600;
inline constexpr int kLegendHeight = kLegendRowHeight * static_cast<int>(kLegend.size());

// Draws the legend with its top left at the picture's, the captions in the
// language `translate` gives (the design's without one).
void drawLegend(Canvas& canvas, const texts::Translate& translate = nullptr);

// The captions one after the other: what the legend says without its
// pictures, for screen readers.
std::string legendText(const texts::Translate& translate = nullptr);

}  // namespace kestrel::picture
