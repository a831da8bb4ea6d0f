#pragma once

#include <string_view>

#include "core/form/design.h"

// What the form's picture is drawn on. The core draws the whole window
// through these few calls, in twips of the client area; each front-end turns
// them into its own drawing (a QPainter on the desktop, SVG for pictures
// without a screen, a canvas in a browser).
namespace kestrel::picture {

enum class TextAlign { TopLeftWrapped, Centred };

class Canvas {
public:
    virtual ~Canvas() = default;

    // A straight line one pixel wide between the item's end points.
    virtual void line(const LineItem& ends, const design::Pen& pen) = 0;
    // A rectangle outlined in black one pixel inside `box`, filled or empty.
    virtual void rectangle(const design::TwipsRect& box, const design::Colour* fill) = 0;
    // A circle or ellipse outlined in black one pixel inside `box`, empty.
    virtual void ellipse(const design::TwipsRect& box) = 0;
    // A carrier dot: a black-outlined circle `size` twips across.
    virtual void dot(const DotItem& dot, int size, design::Colour fill) = 0;
    // One plotted point of the strip chart, one pixel.
    virtual void point(float x, float y, design::Colour colour) = 0;
    // Text in a box, black, in `font`.
    virtual void text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
                      TextAlign align) = 0;
};

}  // namespace kestrel::picture
