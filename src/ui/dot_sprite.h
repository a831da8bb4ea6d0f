#pragma once

#include <QColor>
#include <QPixmap>

#include "core/form/design.h"

class QPainter;
class QRect;

namespace kestrel::ui {

// Paints carrier dots: a black-outlined circle filled with one colour. Up to
// two hundred dots are painted every 50 ms, so where a design pixel is a
// whole number of device pixels (the screen's ratio times the painter's
// zoom) the circle is drawn once into a pixmap and stamped; those pixels are
// exactly the circle's. Other ratios draw each circle.
class DotSprite {
public:
    explicit DotSprite(QColor fill) : fill_(fill) {}

    // The circle filling `box` (logical pixels), stroked 1 pixel wide.
    void paint(QPainter& painter, const QRect& box);

private:
    void drawCircle(QPainter& painter, const QRect& box, bool zoomed) const;

    QColor fill_;
    QPixmap sprite_;
    bool spriteZoomed_ = false;
};

// The window's two kinds of dot: black electrons and white holes.
struct DotSprites {
    DotSprite electron{Qt::black};
    DotSprite hole{Qt::white};

    DotSprite& forFill(design::Colour fill) { return fill == design::kBlack ? electron : hole; }
};

}  // namespace kestrel::ui
