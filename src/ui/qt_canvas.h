#pragma once

#include <QFont>
#include <QRect>
#include <QRegion>

#include "core/picture/canvas.h"
#include "core/picture/painted_items.h"

class QPainter;

namespace kestrel::ui {

struct DotSprites;

// The form's picture on a QPainter: twips become design pixels, lines and
// outlines are one pixel wide, nothing is antialiased. A zoomed window scales
// the painter, so lines, dots and texts grow alike. Dots outside `area` (the
// painter's device pixels) are skipped, so a step repaints only what it
// changed. Texts come in the window's language, broken into their lines.
class QtCanvas : public picture::Canvas {
public:
    QtCanvas(QPainter& painter, const QFont& defaultFont, const QFont& letterFont, DotSprites& dots,
             const QRegion& area);

    void line(const LineItem& ends, const design::Pen& pen) override;
    void rectangle(const design::TwipsRect& box, const design::Colour* fill) override;
    void ellipse(const design::TwipsRect& box) override;
    void dot(const DotItem& dot, int size, design::Colour fill) override;
    void point(float x, float y, design::Colour colour) override;
    void text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
              picture::TextAlign align) override;
    double textWidth(std::string_view text, const design::Font& font) override;

private:
    QPainter& painter_;
    QFont defaultFont_;
    QFont letterFont_;
    DotSprites& dots_;
    QRegion area_;
};

// Whether the painter draws the form larger than designed.
bool isZoomed(const QPainter& painter);

// An area of the core's picture as Qt's rectangle.
QRect qtRect(const picture::PixelRect& area);

}  // namespace kestrel::ui
