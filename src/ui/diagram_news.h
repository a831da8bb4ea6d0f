#pragma once

#include <cstddef>

#include "core/host/diagram_news.h"

class QLineEdit;
class QWidget;

namespace kestrel::ui {

// Tells screen readers what an event changed on the form, as the core's
// news says: a new readout of the current box, and the diagram's
// description when its words changed.
class DiagramNews {
public:
    DiagramNews(QWidget* diagram, QLineEdit* readoutBox) : diagram_(diagram), readoutBox_(readoutBox) {}

    // After each event: `readouts` is how many readouts the run has had.
    void afterEvent(const Form1& form, std::size_t readouts, const host::Wording& wording);

private:
    QWidget* diagram_;
    QLineEdit* readoutBox_;
    host::DiagramNews news_;
};

}  // namespace kestrel::ui
