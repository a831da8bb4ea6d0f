#include "core/picture/form_picture.h"

#include "core/picture/text_wrap.h"

namespace kestrel::picture {
namespace {

using design::LineLayer;

void drawLines(Canvas& canvas, const Form1& form, LineLayer layer) {
    for (const auto& design : design::kLines) {
        const LineItem& line = form.*design.member;
        if (design.layer == layer && line.Visible) {
            canvas.line(line, design.pen);
        }
    }
}

void drawShapes(Canvas& canvas) {
    for (const auto& shape : design::kShapes) {
        switch (shape.kind) {
            case design::ShapeKind::Rectangle:
                canvas.rectangle(shape.box, nullptr);
                break;
            case design::ShapeKind::FilledRectangle:
                canvas.rectangle(shape.box, &design::kBlack);
                break;
            case design::ShapeKind::Circle:
                canvas.ellipse(shape.box);
                break;
        }
    }
}

// Plotted colours are 0x00BBGGRR values.
design::Colour plotColour(int colour) {
    const auto channel = [colour](int shift) { return static_cast<std::uint8_t>((colour >> shift) & 0xFF); };
    return {channel(0), channel(8), channel(16)};
}

}  // namespace

void drawForm(Canvas& canvas, const Form1& form, const texts::Translate& translate) {
    for (const auto& label : design::kLabels) {
        drawWrapped(canvas, label.box, texts::inLanguage(translate, "design", label.caption), label.font);
    }
    drawShapes(canvas);
    drawLines(canvas, form, LineLayer::Diagram);
    for (const auto& dots : design::kDots) {
        for (const DotItem& dot : form.*dots.member) {
            canvas.dot(dot, form.DotSize, dots.fill);
        }
    }
    drawLines(canvas, form, LineLayer::Marker);
}

void drawControls(Canvas& canvas, const Form1& form, const texts::Translate& translate) {
    for (const auto& box : design::kTextBoxes) {
        canvas.rectangle(box.box, &design::kWhite);
        drawWrapped(canvas, box.box, (form.*box.member).Text, design::kDefaultFont);
    }
    for (const auto& button : design::kButtons) {
        canvas.rectangle(button.box, &design::kButtonFace);
        canvas.text(button.box, texts::inLanguage(translate, "design", button.caption), design::kDefaultFont,
                    TextAlign::Centred);
    }
}

void drawChart(Canvas& canvas, const Form1& form) {
    drawLines(canvas, form, LineLayer::Chart);
    for (const ChartPoint& point : form.Picture1.points) {
        canvas.point(point.x, point.y, plotColour(point.colour));
    }
}

}  // namespace kestrel::picture
