#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/numbers/fixed_array.h"

// The window's items as plain data. The simulation moves, shows, hides and
// writes these; a front-end only draws them and mirrors them into its
// widgets. Positions are twips of the client area, held as singles. What
// each item looks like at the start, and how it is drawn, is in design.h.
namespace kestrel {

struct LineItem {
    float X1 = 0;
    float Y1 = 0;
    float X2 = 0;
    float Y2 = 0;
    bool Visible = true;

    bool operator==(const LineItem&) const = default;
};

// A carrier dot: a circle DotSize twips across whose Left and Top are its
// position.
struct DotItem {
    float Left = 0;
    float Top = 0;

    bool operator==(const DotItem&) const = default;
};

struct TextBoxItem {
    std::string Text;
    bool Enabled = true;

    bool operator==(const TextBoxItem&) const = default;
};

struct TimerItem {
    int Interval = 0;  // milliseconds
    bool Enabled = false;

    bool operator==(const TimerItem&) const = default;
};

struct ChartPoint {
    float x = 0;
    float y = 0;
    int colour = 0;  // 0x00BBGGRR, black being 0

    bool operator==(const ChartPoint&) const = default;
};

// The strip chart: the points plotted since it was last cleared, oldest first.
struct PictureItem {
    std::vector<ChartPoint> points;

    void Cls() { points.clear(); }
    void PSet(float x, float y, int colour) { points.push_back({x, y, colour}); }

    bool operator==(const PictureItem&) const = default;
};

using DotArray = FixedArray<DotItem, 0, 100>;

// Where every dot sits until it is placed: below the client area.
inline constexpr DotItem kElectronDesignPlace{480, 7680};
inline constexpr DotItem kHoleDesignPlace{960, 7680};

// Below the visible area: the Top of a dot that is not a live carrier.
inline constexpr float kParkedTop = 10000;

// The dot arrays hold at most this many live carriers of each kind.
inline constexpr int kMostCarriers = 100;

// Every item the procedures touch, created at its design state (design.h).
struct FormItems {
    FormItems();

    LineItem Line1, Line2, Line3, Line4, Line5, Line6, Line7, Line8, Line9, Line10;
    LineItem Line11, Line12, Line13, Line14, Line15, Line16, Line17;
    LineItem Line18;  // red marker of a generated pair
    LineItem Line19;  // blue marker of a recombined pair

    DotArray Shape1;  // electrons
    DotArray Shape2;  // holes

    TextBoxItem Text1;  // temperature (K)
    TextBoxItem Text2;  // n-side Fermi level (eV)
    TextBoxItem Text3;  // p-side Fermi level (eV)
    TextBoxItem Text4;  // bias (V)
    TextBoxItem Text5;  // electron count at the last generation
    TextBoxItem Text6;  // hole count at the last generation
    TextBoxItem Text7;  // current readout

    TimerItem Timer1;  // the step
    TimerItem Timer2;  // current readout
    TimerItem Timer3;  // end of the generation flash
    TimerItem Timer4;  // end of the recombination flash

    PictureItem Picture1;  // the strip chart, below the visible area
};

}  // namespace kestrel
