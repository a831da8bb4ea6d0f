#pragma once

#include <string_view>

#include "core/form/design.h"
#include "core/form/texts.h"

// What the form's picture is drawn on. The core draws the whole window
// through these few calls, in twips of the client area, by its pixel rules
// (pixels.h) and with its texts in the user's language, already broken into
// lines; each front-end only puts them on its own surface (a QPainter on the
// desktop, SVG for pictures without a screen, a canvas in a browser) and
// says how wide a text is there.
namespace kestrel::picture {

enum class TextAlign { TopLeft, Centred };

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
    // Text in a box, black, in `font`: from its top left, a line for each
    // line break; or centred in it.
    virtual void text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
                      TextAlign align) = 0;
    // How wide `text` is in `font` on this surface, in logical pixels.
    virtual double textWidth(std::string_view text, const design::Font& font) = 0;
};

}  // namespace kestrel::picture
