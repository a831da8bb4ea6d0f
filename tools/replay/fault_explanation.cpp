#include "fault_explanation.h"

#include <array>
#include <limits>

#include "core/session/printable_text.h"

namespace kestrel {
namespace {

constexpr Int16 kLowest = std::numeric_limits<Int16>::min();
constexpr Int16 kHighest = std::numeric_limits<Int16>::max();

struct SetupValue {
    Int16 SimulationState::*member;
    const char* description;
};

// Every 16-bit value the set-up stores, in the order it stores them.
constexpr std::array<SetupValue, 10> kSetupValues{{
    {&SimulationState::Temperature, "the temperature Temperature"},
    {&SimulationState::ElectronQuota, "the electron quota ElectronQuota"},
    {&SimulationState::HoleQuota, "the hole quota HoleQuota"},
    {&SimulationState::JunctionRight, "the depletion region's right edge JunctionRight"},
    {&SimulationState::JunctionWidth, "the depletion region's width JunctionWidth"},
    {&SimulationState::GapHeight, "the band gap GapHeight"},
    {&SimulationState::FermiYn, "the n-side Fermi level FermiYn"},
    {&SimulationState::FermiYp, "the p-side Fermi level FermiYp"},
    {&SimulationState::EvYp, "the p-side valence-band edge EvYp"},
    {&SimulationState::EcYp, "the p-side conduction-band edge EcYp"},
}};

// Runs the set-up on a copy whose set-up values all hold `marker`, and
// returns the copy as the set-up left it; true in `failed` if it failed.
Form1 setUpWithMarker(const Form1& form, Int16 marker, bool& failed) {
    Form1 probe = form;
    for (const auto& value : kSetupValues) {
        probe.*value.member = marker;
    }
    failed = false;
    try {
        probe.SetupJunction();
    } catch (const RunTimeError&) {
        failed = true;
    }
    return probe;
}

// The value the set-up could not compute, or nullptr when the set-up itself
// goes through (the fault came later in the click). The set-up reads only the
// boxes and the loaded geometry, so it fails again at the same value, and it
// stops there, leaving that value and every later one as they were: the
// first value that keeps both of two different markers is the one.
const SetupValue* failingSetupValue(const Form1& form) {
    bool lowFailed = false;
    bool highFailed = false;
    const Form1 low = setUpWithMarker(form, kLowest, lowFailed);
    const Form1 high = setUpWithMarker(form, kHighest, highFailed);
    if (!lowFailed || !highFailed) {
        return nullptr;
    }
    for (const auto& value : kSetupValues) {
        if (low.*value.member == kLowest && high.*value.member == kHighest) {
            return &value;
        }
    }
    return nullptr;
}

std::string setupFault(const RunTimeError& error, const Form1& form, const SetupValue& value) {
    std::string text = std::string("setting up the junction from the Fermi levels ") +
                       script::quotedText(form.Text2.Text) + " (Text2) and " +
                       script::quotedText(form.Text3.Text) + " (Text3) and the bias " +
                       script::quotedText(form.Text4.Text) + " (Text4), ";
    text += value.description;
    text += error.kind() == ErrorKind::Overflow ? " went outside -32768..32767"
                                                : std::string(" could not be computed: ") + error.what();
    return text + "; Fermi levels from 0 to 1 eV keep every level in range";
}

// A 16-bit count at one of its limits after an overflow in a step is the
// count that was being moved past it: nothing else in the step comes near.
std::string crossCountFault(const Form1& form, const FaultPlace& place) {
    const char* past = form.CrossCount == kHighest ? "went past 32767" : "went below -32768";
    return std::string("the crossing count CrossCount ") + past + " after " +
           std::to_string(place.ticksSinceReadout) + " Timer1 ticks without a Timer2 readout";
}

std::string whatWentWrong(const RunTimeError& error, const Form1& form, const FaultPlace& place) {
    if (place.tick == 0) {
        if (const SetupValue* value = failingSetupValue(form)) {
            return setupFault(error, form, *value);
        }
    }
    switch (error.kind()) {
        case ErrorKind::Overflow:
            if (place.event == "Timer1" && (form.CrossCount == kHighest || form.CrossCount == kLowest)) {
                return crossCountFault(form, place);
            }
            return "a 16-bit value went outside -32768..32767";
        case ErrorKind::Subscript:
            return "an index went outside its array";
        case ErrorKind::Float:
        case ErrorKind::Input:
            break;
    }
    return error.what();
}

const char* kindWords(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Overflow:
            return "overflow";
        case ErrorKind::Subscript:
            return "subscript error";
        case ErrorKind::Float:
            return "floating-point fault";
        case ErrorKind::Input:
            break;
    }
    return "input error";
}

}  // namespace

std::string explainFault(const RunTimeError& error, const Form1& form, const FaultPlace& place) {
    std::string where(place.event);
    if (place.tick > 0) {
        where += "'s tick " + std::to_string(place.tick) + " of this line";
    }
    return std::string("fatal ") + kindWords(error.kind()) + " in " + where + ": " +
           whatWentWrong(error, form, place);
}

}  // namespace kestrel
