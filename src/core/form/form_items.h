#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/numbers/fixed_array.h"

// The window's items as plain data. The simulation moves, shows, hides and
// writes these; the window layer only draws them and mirrors them into its
// widgets. Positions are twips of the client area, held as singles.
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
    int colour = 0;

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

// Every item at its design state, as the window is created.
struct FormItems {
    FormItems();

    LineItem Line1{1440, 1920, 4080, 1920};
    LineItem Line2{1440, 3120, 4080, 3120};
    LineItem Line3{1440, 2160, 4080, 2160};
    LineItem Line4{5160, 1200, 8160, 1200};
    LineItem Line5{5160, 2400, 8160, 2400};
    LineItem Line6{0, 1440, 2640, 1440};  // inside Picture1, in its own coordinates
    LineItem Line7{1320, 5880, 2040, 5880};
    LineItem Line8{5160, 2160, 8160, 2160};
    LineItem Line9{4080, 1920, 5160, 1200};
    LineItem Line10{4080, 3120, 5160, 2400};
    LineItem Line11{2160, 4560, 2160, 5040};
    LineItem Line12{1560, 4800, 1320, 4800};
    LineItem Line13{3000, 4800, 3000, 5880};
    LineItem Line14{2760, 4800, 3000, 4800};
    LineItem Line15{1320, 5880, 1320, 4800};
    LineItem Line16{2160, 5640, 2160, 6120};
    LineItem Line17{2160, 5880, 3000, 5880};
    LineItem Line18{3120, 1920, 3120, 3120};
    LineItem Line19{2640, 1920, 2640, 3120};

    DotArray Shape1;  // electrons
    DotArray Shape2;  // holes

    TextBoxItem Text1{"300"};         // temperature (K)
    TextBoxItem Text2{"0.8", false};  // n-side Fermi level (eV)
    TextBoxItem Text3{"0.2", false};  // p-side Fermi level (eV)
    TextBoxItem Text4{"0"};           // bias (V)
    TextBoxItem Text5{"0.2"};         // electron count at the last generation
    TextBoxItem Text6{"0"};           // hole count at the last generation
    TextBoxItem Text7{"0"};           // current readout

    TimerItem Timer1{50, false};    // the step
    TimerItem Timer2{10000, true};  // current readout
    TimerItem Timer3{200, false};   // end of the generation flash
    TimerItem Timer4{200, false};   // end of the recombination flash

    PictureItem Picture1;
};

// The items by name, in numeric order, for whatever walks all of them.
template <typename Item>
struct NamedItem {
    const char* name;
    Item FormItems::*member;
};

extern const std::array<NamedItem<LineItem>, 19> kLineItems;
extern const std::array<NamedItem<TextBoxItem>, 7> kTextBoxItems;

}  // namespace kestrel
