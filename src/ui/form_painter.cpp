#include "ui/form_painter.h"

#include <QPainter>
#include <QRegion>

#include "core/form/form1.h"
#include "ui/dot_sprite.h"
#include "ui/form_layout.h"

namespace kestrel::ui {
namespace {

void paintLabels(QPainter& painter, const QFont& letterFont) {
    const QFont defaultFont = painter.font();
    for (const LabelLayout& label : kLabels) {
        painter.setFont(label.letterFont ? letterFont : defaultFont);
        painter.drawText(label.box.pixels(),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip,
                         QString::fromUtf8(label.caption));
    }
    painter.setFont(defaultFont);
}

void paintShapes(QPainter& painter) {
    painter.setPen(QPen(Qt::black, kLineWidth));
    for (const ShapeLayout& shape : kShapes) {
        const QRect box = strokeRect(shape.box.pixels());
        painter.setBrush(shape.kind == ShapeKind::FilledRectangle ? QBrush(Qt::black) : QBrush());
        if (shape.kind == ShapeKind::Circle) {
            painter.drawEllipse(box);
        } else {
            painter.drawRect(box);
        }
    }
}

void paintLine(QPainter& painter, const LineItem& line, const QPen& pen) {
    if (!line.Visible) {
        return;
    }
    painter.setPen(pen);
    painter.drawLine(toPixels(line.X1, line.Y1), toPixels(line.X2, line.Y2));
}

// Only the dots that meet the area to repaint are painted: the parked ones
// and those a step did not touch cost nothing.
void paintDots(QPainter& painter, const DotArray& dots, int dotSize, DotSprite& sprite, const QRegion& area) {
    for (const DotItem& dot : dots) {
        const QRect box = dotArea(dot, dotSize);
        if (area.intersects(box)) {
            sprite.paint(painter, box);
        }
    }
}

}  // namespace

QRect dotArea(const DotItem& dot, int dotSize) {
    const int size = toPixels(dotSize);
    return {toPixels(dot.Left), toPixels(dot.Top), size, size};
}

QRect lineArea(const LineItem& line) {
    // A 1-pixel pen covers the end points' pixels, and at most one more on
    // each side on a denser screen.
    const QRect ends = QRect(toPixels(line.X1, line.Y1), toPixels(line.X2, line.Y2)).normalized();
    return ends.adjusted(-1, -1, 1, 1);
}

void paintForm(QPainter& painter, const Form1& form, const QFont& letterFont, DotSprites& dots,
               const QRegion& area) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintLabels(painter, letterFont);
    paintShapes(painter);

    const QPen solid(Qt::black, kLineWidth);
    const QPen dashDot(Qt::black, kLineWidth, Qt::DashDotLine);
    for (const LineItem* line :
         {&form.Line1, &form.Line2, &form.Line4, &form.Line5, &form.Line9, &form.Line10, &form.Line7,
          &form.Line11, &form.Line12, &form.Line13, &form.Line14, &form.Line15, &form.Line16, &form.Line17}) {
        paintLine(painter, *line, solid);
    }
    paintLine(painter, form.Line3, dashDot);
    paintLine(painter, form.Line8, dashDot);

    paintDots(painter, form.Shape1, form.DotSize, dots.electron, area);
    paintDots(painter, form.Shape2, form.DotSize, dots.hole, area);

    paintLine(painter, form.Line18, QPen(QColor(255, 0, 0), kLineWidth));
    paintLine(painter, form.Line19, QPen(QColor(0, 0, 255), kLineWidth));
}

}  // namespace kestrel::ui
