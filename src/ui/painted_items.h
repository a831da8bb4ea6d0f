#pragma once

#include <QRect>
#include <array>

#include "core/form/design.h"
#include "core/numbers/numbers.h"

namespace kestrel {
class Form1;
}

namespace kestrel::ui {

// The moving items as the window last painted them: the lines and the dots.
// Comparing them with the form after an event gives the area that event
// changed, so a step repaints only where carriers, markers or band lines
// were or now are.
class PaintedItems {
public:
    // The area whose picture differs between the items as painted and the
    // form now, in logical pixels; from now on the form's items count as
    // painted. The first call, and any change of the dot size, gives
    // everything.
    QRect takeChanges(const Form1& form);

private:
    std::array<LineItem, design::kLines.size()> lines_{};
    DotArray electrons_;
    DotArray holes_;
    int dotSize_ = -1;
};

}  // namespace kestrel::ui
