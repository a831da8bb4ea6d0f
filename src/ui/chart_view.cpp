#include "ui/chart_view.h"

#include <QPainter>

#include "core/form/form1.h"
#include "ui/twips.h"

namespace kestrel::ui {
namespace {

// Colours are plotted as 0x00BBGGRR values, black being 0.
QColor plotColour(int colour) {
    const auto channel = [colour](int shift) { return (colour >> shift) & 0xFF; };
    return {channel(0), channel(8), channel(16)};
}

}  // namespace

ChartView::ChartView(const Form1& form, QWidget* parent) : QFrame(parent), form_(form) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void ChartView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());

    const LineItem& baseline = form_.Line6;
    if (baseline.Visible) {
        painter.setPen(QPen(Qt::black, kLineWidth));
        painter.drawLine(toPixels(baseline.X1, baseline.Y1), toPixels(baseline.X2, baseline.Y2));
    }
    for (const ChartPoint& point : form_.Picture1.points) {
        painter.setPen(QPen(plotColour(point.colour), kLineWidth));
        painter.drawPoint(toPixels(point.x, point.y));
    }
}

}  // namespace kestrel::ui
