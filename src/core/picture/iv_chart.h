#pragma once

#include <span>

#include "core/picture/canvas.h"

// The current against the bias, as a chart for a handout or a window: the
// sweep's means, or the readouts of a session.
namespace kestrel::picture {

struct IvPoint {
    double bias;     // volts
    double current;  // as the current box shows it
    // The reading covers less than a full readout period; drawn hollow.
    bool partial = false;
};

// Draws the chart inside `box` (twips): a framed plot with a light grid,
// ticks labelled in round steps, dash-dot lines at zero bias and zero
// current, the axes' captions as the window words them, a dot per point
// (filled, or hollow when partial) and, under it all, the window's notice
// that the value is not a correct current. The ranges fit the points and
// always show zero current; with no points the chart shows the bias box's
// range. A point that is not a number, or beyond a billion, is left out.
// The captions are in the language `translate` gives (the design's without).
void drawIvChart(Canvas& canvas, std::span<const IvPoint> points, const design::TwipsRect& box,
                 const texts::Translate& translate = nullptr);

}  // namespace kestrel::picture
