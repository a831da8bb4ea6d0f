#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/picture/diagram_description.h"

// What screen readers should be told after an event, the same in every
// front-end: a new readout of the current box (announced once the junction
// is set up; before, nothing moves), and whether the diagram's description
// changed its words (its bias, barrier or readout). The carrier counts
// change every step and are read with the description when it is asked
// for, without news of their own, so a screen reader is not flooded.
namespace kestrel::host {

class Wording;

struct News {
    bool descriptionChanged = false;
    bool newReadout = false;
    std::optional<std::string> announcement;  // the new readout, worded, to be said once
};

class DiagramNews {
public:
    // After each event: `readouts` is how many readouts the run has had.
    News afterEvent(const Form1& form, std::size_t readouts, const Wording& wording);

private:
    picture::DiagramFacts told_;
    std::size_t readouts_ = 0;
    bool toldOnce_ = false;
};

}  // namespace kestrel::host
