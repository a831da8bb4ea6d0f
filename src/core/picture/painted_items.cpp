#include "core/picture/painted_items.h"

#include <algorithm>
#include <limits>

#include "core/form/form1.h"
#include "core/picture/pixels.h"

namespace kestrel::picture {
namespace {

// The whole client area, and past it everything a zoomed front-end draws.
constexpr PixelRect kEverything{0, 0, std::numeric_limits<int>::max() / 2,
                                std::numeric_limits<int>::max() / 2};

void addLine(PixelRect& changed, LineItem& painted, const LineItem& now) {
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
// area over every box and button each time a carrier is parked or placed.
void addDots(PixelRect& changed, DotArray& painted, const DotArray& now, int dotSize) {
    const PixelRect window{0, 0, toPixels(design::kClientArea.width), toPixels(design::kClientArea.height)};
    for (int n = DotArray::first; n <= DotArray::last; ++n) {
        if (painted(n) != now(n)) {
            changed |= dotArea(painted(n), dotSize) & window;
            changed |= dotArea(now(n), dotSize) & window;
            painted(n) = now(n);
        }
    }
}

}  // namespace

PixelRect& PixelRect::operator|=(const PixelRect& other) {
    if (other.empty()) {
        return *this;
    }
    if (empty()) {
        return *this = other;
    }
    const int right = std::max(left + width, other.left + other.width);
    const int bottom = std::max(top + height, other.top + other.height);
    left = std::min(left, other.left);
    top = std::min(top, other.top);
    width = right - left;
    height = bottom - top;
    return *this;
}

PixelRect PixelRect::operator&(const PixelRect& other) const {
    const int l = std::max(left, other.left);
    const int t = std::max(top, other.top);
    const int r = std::min(left + width, other.left + other.width);
    const int b = std::min(top + height, other.top + other.height);
    return r > l && b > t ? PixelRect{l, t, r - l, b - t} : PixelRect{};
}

PixelRect dotArea(const DotItem& dot, int dotSize) {
    const int size = toPixels(dotSize);
    return {toPixels(dot.Left), toPixels(dot.Top), size, size};
}

PixelRect lineArea(const LineItem& line) {
    const int x1 = toPixels(line.X1);
    const int y1 = toPixels(line.Y1);
    const int x2 = toPixels(line.X2);
    const int y2 = toPixels(line.Y2);
    const int left = std::min(x1, x2);
    const int top = std::min(y1, y2);
    return {left - 1, top - 1, std::max(x1, x2) - left + 3, std::max(y1, y2) - top + 3};
}

PixelRect PaintedItems::takeChanges(const Form1& form) {
    PixelRect changed;
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

}  // namespace kestrel::picture
