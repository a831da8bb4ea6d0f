#include "core/picture/diagram_description.h"

#include <cmath>
#include <cstdio>

namespace kestrel::picture {
namespace {

constexpr double kHundredths = 100;

}  // namespace

// The set-up stores the gap's height and puts the p side's Fermi level
// the bias times that height below the n side's (y grows downward).
DiagramFacts diagramFacts(const Form1& form) {
    DiagramFacts facts;
    facts.setUp = form.GapHeight != 0;
    if (facts.setUp) {
        facts.bias = static_cast<double>(form.FermiYp - form.FermiYn) / form.GapHeight;
    }
    facts.barrier = facts.bias > 0 ? Barrier::Lowered : facts.bias < 0 ? Barrier::Raised : Barrier::Unbiased;
    facts.electrons = form.ElectronCount;
    facts.holes = form.HoleCount;
    facts.readout = form.Text7.Text;
    return facts;
}

std::string describeDiagram(const DiagramFacts& facts, const DiagramWords& words) {
    std::string text;
    if (facts.setUp) {
        const std::string_view barrier = facts.barrier == Barrier::Lowered  ? words.forward
                                         : facts.barrier == Barrier::Raised ? words.reverse
                                                                            : words.unbiased;
        text = texts::fillIn(barrier, {voltsText(facts.bias)});
        text += ' ';
        text += texts::fillIn(words.carriers, {std::to_string(facts.electrons), std::to_string(facts.holes)});
    } else {
        text = words.notSetUp;
    }
    text += ' ';
    text += texts::fillIn(words.readout, {facts.readout});
    return text;
}

std::string voltsText(double volts) {
    const double hundredths = std::round(volts * kHundredths);
    if (hundredths == 0) {
        return "0";
    }
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.2f", hundredths / kHundredths);
    std::string text(digits);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

}  // namespace kestrel::picture
