#include "ui/chart_view.h"

#include <QPainter>

#include "core/form/form1.h"
#include "core/picture/form_picture.h"
#include "ui/dot_sprite.h"
#include "ui/qt_canvas.h"

namespace kestrel::ui {

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

    DotSprites noDots;
    QtCanvas canvas(painter, font(), font(), noDots, QRegion());
    picture::drawChart(canvas, form_);
}

}  // namespace kestrel::ui
