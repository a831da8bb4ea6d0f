#include "core/picture/legend.h"

#include <stdexcept>
#include <string_view>

#include "core/form/geometry.h"
#include "core/picture/text_wrap.h"

namespace kestrel::picture {
namespace {

// A row: the sample on the left, its caption after it. Twips from the
// row's top left.
constexpr int kSampleLeft = 120;
constexpr int kSampleRight = 1200;
constexpr int kSampleMiddle = (kSampleLeft + kSampleRight) / 2;
constexpr int kCaptionLeft = 1320;
constexpr int kCaptionTop = 60;  // the caption's letters clear the row above
constexpr int kMiddle = kLegendRowHeight / 2;
// The band edges of a sample, above and below the row's middle.
constexpr int kEdgeOffset = 180;
// The depletion region's sample: the edges' rise across it.
constexpr int kSlopeRise = 180;
// The diode's body in the contacts' sample.
constexpr int kDiodeWidth = 600;
constexpr int kDiodeHeight = 240;

constexpr const design::LineDesign& lineDesign(std::string_view name) {
    for (const auto& line : design::kLines) {
        if (name == line.name) {
            return line;
        }
    }
    throw std::logic_error("a line missing from the design table");
}

constexpr const design::LabelDesign& labelDesign(std::string_view name) {
    for (const auto& label : design::kLabels) {
        if (name == label.name) {
            return label;
        }
    }
    throw std::logic_error("a label missing from the design table");
}

LineItem segment(int x1, int y1, int x2, int y2) {
    return {static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
            true};
}

// Draws on a row: every place is shifted down to the row's top.
class Row {
public:
    Row(Canvas& canvas, int top) : canvas_(canvas), top_(top) {}

    void line(int x1, int y1, int x2, int y2, const design::Pen& pen) {
        canvas_.line(segment(x1, top_ + y1, x2, top_ + y2), pen);
    }
    void dot(int left, int top, design::Colour fill) {
        canvas_.dot({static_cast<float>(left), static_cast<float>(top_ + top)}, geometry::kDotSize, fill);
    }
    void rectangle(int left, int top, int width, int height) {
        canvas_.rectangle({left, top_ + top, width, height}, nullptr);
    }
    // A band edge across the sample with the window's letters before it, as
    // the window labels the n side's edge: E and its subscript.
    void labelledEdge(const char* letter, const char* subscript, float designY, const design::Pen& pen) {
        const int lineLeft = kSampleMiddle - kSampleLeft;
        const int y = kMiddle;
        for (const char* name : {letter, subscript}) {
            const design::LabelDesign& label = labelDesign(name);
            const int left = label.box.left - geometry::kBandLinesLeft + lineLeft;
            const int top = label.box.top - static_cast<int>(designY) + top_ + y;
            canvas_.text({left, top, label.box.width, label.box.height}, label.caption, label.font,
                         TextAlign::TopLeft);
        }
        line(lineLeft, y, kSampleRight, y, pen);
    }

private:
    Canvas& canvas_;
    int top_;
};

constexpr design::Colour kElectronFill = design::kDots[0].fill;
constexpr design::Colour kHoleFill = design::kDots[1].fill;

// The gap between two short band edges, crossed by an event's marker.
void drawMarker(Row& row, const design::Pen& marker) {
    row.line(kSampleLeft, kMiddle - kEdgeOffset, kSampleRight, kMiddle - kEdgeOffset, design::kSolid);
    row.line(kSampleLeft, kMiddle + kEdgeOffset, kSampleRight, kMiddle + kEdgeOffset, design::kSolid);
    row.line(kSampleMiddle, kMiddle - kEdgeOffset, kSampleMiddle, kMiddle + kEdgeOffset, marker);
}

// Both edges: level on the n side, rising across the region, level again.
void drawDepletionRegion(Row& row) {
    constexpr int kThird = (kSampleRight - kSampleLeft) / 3;
    for (const int low : {kMiddle - kEdgeOffset + kSlopeRise, kMiddle + kEdgeOffset}) {
        const int high = low - kSlopeRise;
        row.line(kSampleLeft, low, kSampleLeft + kThird, low, design::kSolid);
        row.line(kSampleLeft + kThird, low, kSampleRight - kThird, high, design::kSolid);
        row.line(kSampleRight - kThird, high, kSampleRight, high, design::kSolid);
    }
}

// The circuit's diode: its body, the line between its halves and a wire at
// each end.
void drawContacts(Row& row) {
    const int left = kSampleMiddle - kDiodeWidth / 2;
    const int right = left + kDiodeWidth;
    row.rectangle(left, kMiddle - kDiodeHeight / 2, kDiodeWidth, kDiodeHeight);
    row.line(kSampleMiddle, kMiddle - kDiodeHeight / 2, kSampleMiddle, kMiddle + kDiodeHeight / 2,
             design::kSolid);
    row.line(kSampleLeft, kMiddle, left, kMiddle, design::kSolid);
    row.line(right, kMiddle, kSampleRight, kMiddle, design::kSolid);
}

void drawSample(Row& row, LegendSample sample) {
    // A carrier rests on its edge, or hangs from it, in the row's middle.
    constexpr int kHalfDot = geometry::kDotSize / 2;
    const int dotLeft = kSampleMiddle - kHalfDot;
    switch (sample) {
        case LegendSample::Electron:
            row.line(kSampleLeft, kMiddle + kHalfDot, kSampleRight, kMiddle + kHalfDot, design::kSolid);
            return row.dot(dotLeft, kMiddle - kHalfDot, kElectronFill);
        case LegendSample::Hole:
            row.line(kSampleLeft, kMiddle - kHalfDot, kSampleRight, kMiddle - kHalfDot, design::kSolid);
            return row.dot(dotLeft, kMiddle - kHalfDot, kHoleFill);
        case LegendSample::Generation:
            return drawMarker(row, lineDesign("Line18").pen);
        case LegendSample::Recombination:
            return drawMarker(row, lineDesign("Line19").pen);
        case LegendSample::ConductionEdge:
            return row.labelledEdge("Label2(0)", "Label2(2)", geometry::kConductionEdgeN,
                                    lineDesign("Line1").pen);
        case LegendSample::ValenceEdge:
            return row.labelledEdge("Label2(1)", "Label2(3)", geometry::kValenceEdgeN,
                                    lineDesign("Line2").pen);
        case LegendSample::FermiLevel:
            return row.labelledEdge("Label2(4)", "Label2(5)", geometry::kDesignFermiY,
                                    lineDesign("Line3").pen);
        case LegendSample::DepletionRegion:
            return drawDepletionRegion(row);
        case LegendSample::Contacts:
            return drawContacts(row);
    }
}

}  // namespace

void drawLegend(Canvas& canvas, const texts::Translate& translate) {
    int top = 0;
    for (const LegendEntry& entry : kLegend) {
        Row row(canvas, top);
        drawSample(row, entry.sample);
        drawWrapped(
            canvas,
            {kCaptionLeft, top + kCaptionTop, kLegendWidth - kCaptionLeft, kLegendRowHeight - kCaptionTop},
            texts::inLanguage(translate, "explain", entry.caption), design::kDefaultFont);
        top += kLegendRowHeight;
    }
}

std::string legendText(const texts::Translate& translate) {
    std::string text;
    for (const LegendEntry& entry : kLegend) {
        if (!text.empty()) {
            text += ' ';
        }
        text += texts::inLanguage(translate, "explain", entry.caption);
    }
    return text;
}

}  // namespace kestrel::picture
