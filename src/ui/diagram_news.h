#pragma once

#include <cstddef>

#include "core/picture/diagram_description.h"

class QLineEdit;
class QWidget;

namespace kestrel::ui {

// Tells screen readers what an event changed on the form: a new readout of
// the current box (announced once the junction is set up: before, nothing
// moves), and the diagram's description when its bias, barrier or readout
// changed. The carrier counts change every step and are read with
// the description when it is asked for, without news of their own.
class DiagramNews {
public:
    DiagramNews(QWidget* diagram, QLineEdit* readoutBox) : diagram_(diagram), readoutBox_(readoutBox) {}

    // After each event: `readouts` is how many readouts the run has had.
    void afterEvent(const Form1& form, std::size_t readouts);

private:
    QWidget* diagram_;
    QLineEdit* readoutBox_;
    picture::DiagramFacts told_;
    std::size_t readouts_ = 0;
};

}  // namespace kestrel::ui
