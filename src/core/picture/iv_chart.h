#pragma once

#include <span>
#include <vector>

#include "core/picture/canvas.h"

// The current against the bias, as a chart for a handout or a window: the
// sweep's means, or the readouts of a session.
namespace kestrel::picture {

struct IvPoint {
    double bias;     // volts
    double current;  // as the current box shows it
    // The reading covers less than a full readout period; drawn hollow.
    bool partial = false;

    bool operator==(const IvPoint&) const = default;
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

// The session's readouts as the chart a class watches: the same chart, its
// current axis named for what the readout counts, with a legend of full
// (filled) and partial (hollow) readouts above it, and a hint on how
// readouts come while there is none.
void drawReadoutChart(Canvas& canvas, std::span<const IvPoint> points, const design::TwipsRect& box,
                      const texts::Translate& translate = nullptr);

// The size in logical pixels the readout chart is designed for. A larger
// chart is drawn that many times larger, lines, marks and texts alike, as
// far as it grows in both directions; a smaller one as designed.
struct ChartSize {
    double width;
    double height;
};
inline constexpr ChartSize kReadoutChartSize{480, 400};
double readoutChartScale(double width, double height);

}  // namespace kestrel::picture
