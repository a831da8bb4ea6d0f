#pragma once

#include <array>

#include "core/form/design.h"
#include "core/numbers/numbers.h"

namespace kestrel {
class Form1;
}

namespace kestrel::picture {

// An area of the picture in logical pixels; empty when it has no width or
// height.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    [[nodiscard]] bool empty() const { return width <= 0 || height <= 0; }
    // The smallest area holding both.
    PixelRect& operator|=(const PixelRect& other);
    // What the two have in common.
    [[nodiscard]] PixelRect operator&(const PixelRect& other) const;
    bool operator==(const PixelRect&) const = default;
};

// The pixels a dot covers, and those a line's one-pixel pen may touch (its
// end points' pixels and at most one more on each side on a denser screen).
PixelRect dotArea(const DotItem& dot, int dotSize);
PixelRect lineArea(const LineItem& line);

// The moving items as a front-end last painted them: the lines and the
// dots. Comparing them with the form after an event gives the area that
// event changed, so a step repaints only where carriers, markers or band
// lines were or now are.
class PaintedItems {
public:
    // The area whose picture differs between the items as painted and the
    // form now; from now on the form's items count as painted. The first
    // call, and any change of the dot size, gives the whole client area.
    PixelRect takeChanges(const Form1& form);

private:
    std::array<LineItem, design::kLines.size()> lines_{};
    DotArray electrons_;
    DotArray holes_;
    int dotSize_ = -1;
};

}  // namespace kestrel::picture
