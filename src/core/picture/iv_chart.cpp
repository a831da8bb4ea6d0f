#include "core/picture/iv_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>

#include "core/controls/bias_limits.h"
#include "core/form/readout_name.h"
#include "core/picture/pixels.h"
#include "core/picture/text_wrap.h"

namespace kestrel::picture {
namespace {

// Room around the plot, in twips: tick labels on the left, the current's
// caption above, and below the bias labels, the bias caption and the notice.
constexpr int kLeftMargin = 1100;
constexpr int kTopMargin = 600;
constexpr int kRightMargin = 400;
constexpr int kBottomMargin = 1450;
constexpr int kTickLength = 80;
constexpr int kLabelHeight = 240;
constexpr int kLabelWidth = 900;
constexpr int kCaptionGap = 60;
constexpr int kNoticeHeight = 750;
constexpr int kMarkSize = 120;
// The readouts' legend: lines of a mark and its words, above the plot.
constexpr int kLegendLine = 300;
constexpr int kLegendGap = 90;       // between a mark and its words
constexpr int kLegendSpacing = 300;  // between one entry and the next

// Roughly this many tick steps along each axis.
constexpr double kTargetSteps = 6;

// Before there is any point, the chart spans the bias box's range and
// this much current.
constexpr double kEmptyCurrentHigh = 10;

constexpr design::Colour kGrid{210, 210, 210};

constexpr const char* labelCaption(std::string_view name) {
    for (const auto& label : design::kLabels) {
        if (name == label.name) {
            return label.caption;
        }
    }
    throw std::logic_error("a label missing from the design table");
}

constexpr const char* kBiasCaption = labelCaption("Label5");
constexpr const char* kCurrentCaption = labelCaption("Label11");
constexpr const char* kNotice = labelCaption("Label15");

constexpr const char* kFullReadout = KESTREL_TEXT("readout", "Full readout (10 s)");
constexpr const char* kPartialReadout =
    KESTREL_TEXT("readout", "Partial: the first after a set-up, under 10 s");
constexpr const char* kNoReadout =
    KESTREL_TEXT("readout", "No readouts yet: press \"Start\"; a readout comes every 10 s");

// What a chart says on its current axis (in the user's language) and how
// much room it keeps above its plot for its own lines.
struct Head {
    std::string currentCaption;
    int room = 0;
};

// An axis: ticks at first·step, (first+1)·step, ..., last·step.
struct Axis {
    double step;
    long first;
    long last;

    [[nodiscard]] double low() const { return static_cast<double>(first) * step; }
    [[nodiscard]] double high() const { return static_cast<double>(last) * step; }
    // Where value falls between `from` (the low end) and `to`, in twips.
    [[nodiscard]] float place(double value, int from, int to) const {
        return static_cast<float>(from + (value - low()) / (high() - low()) * (to - from));
    }
};

// A quotient a hair off a whole number, from the division, counts as it.
constexpr double kSlack = 1e-9;

// Ticks 1, 2 or 5 times a power of ten apart, about kTargetSteps of them,
// covering low..high.
Axis roundAxis(double low, double high) {
    // A span too narrow to tell from its ends' rounding is widened around them.
    constexpr double kNarrowest = 1e-6;
    if (high - low <= kNarrowest * std::max({1.0, std::abs(low), std::abs(high)})) {
        const double spread = std::max(1.0, std::abs(low)) / 2;
        low -= spread;
        high += spread;
    }
    const double rough = (high - low) / kTargetSteps;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double mantissa = rough / power;
    // The round mantissa nearest the rough step, on a ratio scale.
    const double step = (mantissa < 1.5 ? 1 : mantissa < 3 ? 2 : mantissa < 7 ? 5 : 10) * power;
    return {step, static_cast<long>(std::floor(low / step + kSlack)),
            static_cast<long>(std::ceil(high / step - kSlack))};
}

std::string tickLabel(const Axis& axis, long tick) {
    const int decimals = std::max(0, static_cast<int>(-std::floor(std::log10(axis.step) + kSlack)));
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, static_cast<double>(tick) * axis.step);
    const std::string label = text;
    return label.find_first_not_of("-0.") == std::string::npos ? label.substr(label[0] == '-' ? 1 : 0)
                                                               : label;
}

LineItem segment(float x1, float y1, float x2, float y2) {
    return {x1, y1, x2, y2, true};
}

struct Plot {
    int left;
    int top;
    int right;
    int bottom;
    Axis bias;
    Axis current;

    [[nodiscard]] float x(double bias) const { return this->bias.place(bias, left, right); }
    [[nodiscard]] float y(double current) const { return this->current.place(current, bottom, top); }
};

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Beyond this a value is no reading, and its ticks would not fit a long.
constexpr double kLargestPlotted = 1e9;

bool isPlottable(const IvPoint& point) {
    return std::abs(point.bias) <= kLargestPlotted && std::abs(point.current) <= kLargestPlotted;
}

Plot plotFor(std::span<const IvPoint> points, const design::TwipsRect& box, int room) {
    const bool anyPoint = std::any_of(points.begin(), points.end(), isPlottable);
    double biasLow = anyPoint ? kInfinity : kBiasLowest;
    double biasHigh = anyPoint ? -kInfinity : kBiasHighest;
    double currentLow = 0;
    double currentHigh = anyPoint ? 0 : kEmptyCurrentHigh;
    for (const IvPoint& point : points) {
        if (isPlottable(point)) {
            biasLow = std::min(biasLow, point.bias);
            biasHigh = std::max(biasHigh, point.bias);
            currentLow = std::min(currentLow, point.current);
            currentHigh = std::max(currentHigh, point.current);
        }
    }
    return {box.left + kLeftMargin,
            box.top + kTopMargin + room,
            box.left + box.width - kRightMargin,
            box.top + box.height - kBottomMargin,
            roundAxis(biasLow, biasHigh),
            roundAxis(currentLow, currentHigh)};
}

void drawBiasTicks(Canvas& canvas, const Plot& plot) {
    for (long tick = plot.bias.first; tick <= plot.bias.last; ++tick) {
        const float x = plot.x(static_cast<double>(tick) * plot.bias.step);
        canvas.line(segment(x, plot.top, x, plot.bottom), {kGrid, design::LineStyle::Solid});
        canvas.line(segment(x, plot.bottom, x, plot.bottom + kTickLength), design::kSolid);
        const int labelLeft = static_cast<int>(x) - kLabelWidth / 2;
        canvas.text({labelLeft, plot.bottom + kTickLength, kLabelWidth, kLabelHeight},
                    tickLabel(plot.bias, tick), design::kDefaultFont, TextAlign::Centred);
    }
}

void drawCurrentTicks(Canvas& canvas, const Plot& plot) {
    for (long tick = plot.current.first; tick <= plot.current.last; ++tick) {
        const float y = plot.y(static_cast<double>(tick) * plot.current.step);
        canvas.line(segment(plot.left, y, plot.right, y), {kGrid, design::LineStyle::Solid});
        canvas.line(segment(plot.left - kTickLength, y, plot.left, y), design::kSolid);
        const int labelTop = static_cast<int>(y) - kLabelHeight / 2;
        canvas.text({plot.left - kTickLength - kLabelWidth, labelTop, kLabelWidth, kLabelHeight},
                    tickLabel(plot.current, tick), design::kDefaultFont, TextAlign::Centred);
    }
}

// Dash-dot lines where the bias or the current is zero, when inside the plot.
void drawZeroLines(Canvas& canvas, const Plot& plot) {
    if (plot.bias.first < 0 && plot.bias.last > 0) {
        const float x = plot.x(0);
        canvas.line(segment(x, plot.top, x, plot.bottom), design::kDashDot);
    }
    if (plot.current.first < 0 && plot.current.last > 0) {
        const float y = plot.y(0);
        canvas.line(segment(plot.left, y, plot.right, y), design::kDashDot);
    }
}

void drawCaptions(Canvas& canvas, const Plot& plot, const design::TwipsRect& box, const Head& head,
                  const texts::Translate& translate) {
    const auto caption = [&translate](const char* text) {
        return texts::inLanguage(translate, "design", text);
    };
    const int captionTop = plot.bottom + kTickLength + kLabelHeight + kCaptionGap;
    canvas.text({plot.left, captionTop, plot.right - plot.left, kLabelHeight}, caption(kBiasCaption),
                design::kDefaultFont, TextAlign::Centred);
    const int captionLeft = box.left + kCaptionGap;
    drawWrapped(
        canvas,
        {captionLeft, plot.top - kLabelHeight - kCaptionGap * 2, plot.right - captionLeft, kLabelHeight},
        head.currentCaption, design::kDefaultFont);
    drawWrapped(canvas,
                {plot.left, box.top + box.height - kNoticeHeight, plot.right - plot.left, kNoticeHeight},
                caption(kNotice), design::kDefaultFont);
}

// The plot with its grid, ticks, captions and marks; gives its frame.
Plot drawPlot(Canvas& canvas, std::span<const IvPoint> points, const design::TwipsRect& box, const Head& head,
              const texts::Translate& translate) {
    const Plot plot = plotFor(points, box, head.room);
    drawBiasTicks(canvas, plot);
    drawCurrentTicks(canvas, plot);
    drawZeroLines(canvas, plot);
    canvas.rectangle({plot.left, plot.top, plot.right - plot.left, plot.bottom - plot.top}, nullptr);
    drawCaptions(canvas, plot, box, head, translate);
    constexpr float kHalfMark = kMarkSize / 2.0F;
    for (const IvPoint& point : points) {
        if (!isPlottable(point)) {
            continue;
        }
        const DotItem mark{plot.x(point.bias) - kHalfMark, plot.y(point.current) - kHalfMark};
        canvas.dot(mark, kMarkSize, point.partial ? design::kWhite : design::kBlack);
    }
    return plot;
}

// A legend entry: its mark's fill and its words, placed from the top left.
struct LegendEntry {
    design::Colour fill;
    std::string words;
    int wordsWidth = 0;
    int left = 0;
    int line = 0;
};

// The entries side by side from `left`, on a new line where the next would
// pass `right`; gives how many lines they take.
int placeLegend(Canvas& canvas, std::vector<LegendEntry>& entries, int left, int right) {
    int x = left;
    int line = 0;
    for (LegendEntry& entry : entries) {
        entry.wordsWidth =
            static_cast<int>(std::ceil(canvas.textWidth(entry.words, design::kDefaultFont) * kTwipsPerPixel));
        const int width = kMarkSize + kLegendGap + entry.wordsWidth;
        if (x != left && x + width > right) {
            x = left;
            ++line;
        }
        entry.left = x;
        entry.line = line;
        x += width + kLegendSpacing;
    }
    return line + 1;
}

void drawLegend(Canvas& canvas, const std::vector<LegendEntry>& entries, int top) {
    for (const LegendEntry& entry : entries) {
        const int lineTop = top + entry.line * kLegendLine;
        const DotItem mark{static_cast<float>(entry.left),
                           static_cast<float>(lineTop + (kLabelHeight - kMarkSize) / 2)};
        canvas.dot(mark, kMarkSize, entry.fill);
        // A pixel to spare, so no surface breaks the words for rounding.
        canvas.text(
            {entry.left + kMarkSize + kLegendGap, lineTop, entry.wordsWidth + kTwipsPerPixel, kLabelHeight},
            entry.words, design::kDefaultFont, TextAlign::TopLeft);
    }
}

// Centred in the plot while it has no point, on a white card over the grid.
void drawHint(Canvas& canvas, const Plot& plot, std::string_view hint) {
    const auto measure = [&canvas](std::string_view piece) {
        return canvas.textWidth(piece, design::kDefaultFont);
    };
    const int plotWidth = plot.right - plot.left;
    const std::string lines = wrapText(hint, toPixels(plotWidth - 4 * kCaptionGap), measure);
    double widest = 0;
    int count = 0;
    for (std::size_t at = 0; at != std::string::npos; ++count) {
        const std::size_t end = lines.find('\n', at);
        widest = std::max(widest, measure(std::string_view(lines).substr(at, end - at)));
        at = end == std::string::npos ? end : end + 1;
    }
    const int width =
        std::min(plotWidth, static_cast<int>(std::ceil(widest * kTwipsPerPixel)) + 4 * kCaptionGap);
    const int height = count * kLabelHeight + 2 * kCaptionGap;
    const design::TwipsRect card{plot.left + (plotWidth - width) / 2,
                                 plot.top + (plot.bottom - plot.top - height) / 2, width, height};
    canvas.rectangle(card, &design::kWhite);
    canvas.text(card, lines, design::kDefaultFont, TextAlign::Centred);
}

}  // namespace

void drawIvChart(Canvas& canvas, std::span<const IvPoint> points, const design::TwipsRect& box,
                 const texts::Translate& translate) {
    drawPlot(canvas, points, box, {texts::inLanguage(translate, "design", kCurrentCaption)}, translate);
}

void drawReadoutChart(Canvas& canvas, std::span<const IvPoint> points, const design::TwipsRect& box,
                      const texts::Translate& translate) {
    const auto words = [&translate](const char* text) {
        return texts::inLanguage(translate, "readout", text);
    };
    std::vector<LegendEntry> legend{{design::kBlack, words(kFullReadout)},
                                    {design::kWhite, words(kPartialReadout)}};
    const int lines = placeLegend(canvas, legend, box.left + kCaptionGap, box.left + box.width - kCaptionGap);
    const Plot plot =
        drawPlot(canvas, points, box, {words(texts::kReadoutName), lines * kLegendLine}, translate);
    drawLegend(canvas, legend, box.top + kCaptionGap);
    if (std::none_of(points.begin(), points.end(), isPlottable)) {
        drawHint(canvas, plot, words(kNoReadout));
    }
}

double readoutChartScale(double width, double height) {
    return std::max(1.0, std::min(width / kReadoutChartSize.width, height / kReadoutChartSize.height));
}

}  // namespace kestrel::picture
