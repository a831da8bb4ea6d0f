#include "ui/form_painter.h"

#include <QPainter>

#include "model/form1.h"
#include "ui/form_layout.h"

namespace kestrel::ui {
namespace {

// A rectangle covering exactly box's pixels when stroked with a 1-pixel pen.
QRect strokeRect(const QRect& box) {
    return box.adjusted(0, 0, -1, -1);
}

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

void paintDots(QPainter& painter, const DotArray& dots, int dotSize, const QColor& fill) {
    painter.setPen(QPen(Qt::black, kLineWidth));
    painter.setBrush(fill);
    const int size = toPixels(dotSize);
    for (const DotItem& dot : dots) {
        painter.drawEllipse(strokeRect(QRect(toPixels(dot.Left), toPixels(dot.Top), size, size)));
    }
}

}  // namespace

void paintForm(QPainter& painter, const Form1& form, const QFont& letterFont) {
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

    paintDots(painter, form.Shape1, form.DotSize, Qt::black);
    paintDots(painter, form.Shape2, form.DotSize, Qt::white);

    paintLine(painter, form.Line18, QPen(QColor(255, 0, 0), kLineWidth));
    paintLine(painter, form.Line19, QPen(QColor(0, 0, 255), kLineWidth));
}

}  // namespace kestrel::ui
