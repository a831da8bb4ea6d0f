#pragma once

#include <array>

// How large a front-end shows the whole form: the steps of its zoom, and
// the largest of them that still fits the room the screen leaves.
namespace kestrel::host {

// The whole form shown that many times its size.
inline constexpr std::array<double, 7> kZoomSteps{1, 1.25, 1.5, 2, 2.5, 3, 4};

// The largest step at which `width` × `height` (at zoom 1) fits into
// `roomWidth` × `roomHeight`; the smallest step when none does.
double largestFittingZoom(double width, double height, double roomWidth, double roomHeight);

// The next step up from `zoom`, at most `largest`; the next step down.
double zoomIn(double zoom, double largest = kZoomSteps.back());
double zoomOut(double zoom);
// The step nearest `zoom` on a ratio scale.
double nearestZoom(double zoom);

}  // namespace kestrel::host
