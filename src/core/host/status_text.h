#pragma once

#include <array>
#include <string>

// How the run's state reads in a status line or a menu, the same in every
// front-end.
namespace kestrel::host {

// The steps of the zoom: the whole form shown that many times its size.
inline constexpr std::array<double, 7> kZoomSteps{1, 1.25, 1.5, 2, 2.5, 3, 4};

// "¼×", "½×", "1×", "2×", "4×".
std::string speedText(double speed);
// "100%", "125%", ...
std::string zoomText(double zoom);

// The next zoom step up or down from `zoom`; the largest and smallest stay.
double zoomIn(double zoom);
double zoomOut(double zoom);
// The step nearest `zoom` on a ratio scale.
double nearestZoom(double zoom);

}  // namespace kestrel::host
