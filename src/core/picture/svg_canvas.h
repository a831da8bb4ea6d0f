#pragma once

#include <string>

#include "core/picture/canvas.h"

namespace kestrel::picture {

// A picture as an SVG document in logical pixels (twips divided by 15): by
// default the form's client area, 605 by 453, on the window's light
// background. Text wraps at its box's right edge by an estimate of each
// character's width, as no SVG viewer wraps text by itself. Dots outside the
// picture are left out.
class SvgCanvas : public Canvas {
public:
    SvgCanvas();
    // A picture of width by height twips on `background`.
    SvgCanvas(int width, int height, design::Colour background);

    void line(const LineItem& ends, const design::Pen& pen) override;
    void rectangle(const design::TwipsRect& box, const design::Colour* fill) override;
    void ellipse(const design::TwipsRect& box) override;
    void dot(const DotItem& dot, int size, design::Colour fill) override;
    void point(float x, float y, design::Colour colour) override;
    void text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
              TextAlign align) override;
    double textWidth(std::string_view text, const design::Font& font) override;

    // The whole document, closed.
    [[nodiscard]] std::string document() const;

private:
    int width_;
    int height_;
    std::string body_;
};

// The form as the window shows it, with its text boxes and buttons drawn as
// plain boxes: what `picture FILE` of the replay tool writes.
std::string formSvg(const Form1& form);

}  // namespace kestrel::picture
