#pragma once

#include <string>
#include <string_view>

#include "core/form/form1.h"
#include "core/form/texts.h"

// The band diagram in words, for screen readers: what the painted window
// shows a sighted user, read from the form.
namespace kestrel::picture {

enum class Barrier { Unbiased, Lowered, Raised };

struct DiagramFacts {
    bool setUp = false;  // "Start" or "Restart" has drawn the bands for a bias
    double bias = 0;     // volts, forward positive, as the bands stand
    Barrier barrier = Barrier::Unbiased;
    int electrons = 0;
    int holes = 0;
    std::string readout;  // what the "Current (mA)" box shows

    bool operator==(const DiagramFacts&) const = default;
};

DiagramFacts diagramFacts(const Form1& form);

// The sentences the description is made of, with blanks %1, %2 for the
// numbers; a front-end passes them in its language.
struct DiagramWords {
    std::string_view notSetUp;
    std::string_view unbiased;  // %1 the bias in volts
    std::string_view forward;   // %1 the bias in volts
    std::string_view reverse;   // %1 the bias in volts
    std::string_view carriers;  // %1 electrons, %2 holes
    std::string_view readout;   // %1 the current box's text
};

inline constexpr const char* kDiagramName = KESTREL_TEXT("diagram", "Band diagram of the p-n junction");

inline constexpr DiagramWords kDiagramWords{
    KESTREL_TEXT("diagram", "The bands without bias, and no carriers yet: Start places them."),
    KESTREL_TEXT("diagram", "Bias %1 V, none: the barrier stands at its own height."),
    KESTREL_TEXT("diagram", "Bias %1 V, forward: the barrier is lowered."),
    KESTREL_TEXT("diagram", "Bias %1 V, reverse: the barrier is raised."),
    KESTREL_TEXT("diagram", "Electrons: %1, holes: %2."),
    KESTREL_TEXT("diagram", "Current (mA): %1."),
};

// The facts in sentences: the bias and the barrier, the carriers once set
// up, the last readout.
std::string describeDiagram(const DiagramFacts& facts, const DiagramWords& words = kDiagramWords);

// A bias as the box would show it: "0.3", "-0.7", "0"; to the hundredth.
std::string voltsText(double volts);

}  // namespace kestrel::picture
