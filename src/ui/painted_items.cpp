#include "ui/painted_items.h"

#include <limits>

#include "core/form/form1.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"

namespace kestrel::ui {
namespace {

const QRect kEverything(0, 0, std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2);

void addLine(QRect& changed, LineItem& painted, const LineItem& now) {
    if (painted == now) {
        return;
    }
    if (painted.Visible) {
        changed |= lineArea(painted);
    }
    if (now.Visible) {
        changed |= lineArea(now);
    }
    painted = now;
}

// Only the part of a dot's place inside the window counts: a parked dot
// lies below the window's bottom, and taking its place in would stretch the
// area over every box and button each time a carrier is parked or
// placed.
void addDots(QRect& changed, DotArray& painted, const DotArray& now, int dotSize) {
    const QRect window(QPoint(0, 0), pixels(design::kClientArea).size());
    for (int n = DotArray::first; n <= DotArray::last; ++n) {
        if (painted(n) != now(n)) {
            changed |= dotArea(painted(n), dotSize) & window;
            changed |= dotArea(now(n), dotSize) & window;
            painted(n) = now(n);
        }
    }
}

}  // namespace

QRect PaintedItems::takeChanges(const Form1& form) {
    QRect changed;
    if (dotSize_ != form.DotSize) {
        changed = kEverything;
        dotSize_ = form.DotSize;
    }
    for (std::size_t i = 0; i < design::kLines.size(); ++i) {
        addLine(changed, lines_[i], form.*design::kLines[i].member);
    }
    addDots(changed, electrons_, form.Shape1, dotSize_);
    addDots(changed, holes_, form.Shape2, dotSize_);
    return changed;
}

}  // namespace kestrel::ui
