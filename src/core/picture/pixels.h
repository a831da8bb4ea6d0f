#pragma once

#include <array>
#include <cmath>

#include "core/form/design.h"

// The pixel rules every picture of the form follows, on every surface: the
// window, the page and the SVG pictures put what the core hands them where
// these rules say.
namespace kestrel::picture {

// Positions are designed in twips; at 96 dpi a logical pixel is 15 twips,
// and a denser screen carries that to its own pixels.
inline constexpr int kTwipsPerPixel = 15;
inline constexpr double kPixelsPerPoint = 96.0 / 72.0;

// A length in twips as whole logical pixels, halves rounded away from zero.
inline int toPixels(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// The dash-dot pen, in pixels of a one-pixel line: dash, gap, dot, gap.
inline constexpr std::array<int, 4> kDashDotPattern{4, 2, 1, 2};

}  // namespace kestrel::picture
