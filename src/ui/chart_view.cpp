#include "ui/chart_view.h"

#include <QPainter>
#include <cmath>

#include "core/form/form1.h"
#include "core/picture/form_picture.h"
#include "ui/dot_sprite.h"
#include "ui/qt_canvas.h"

namespace kestrel::ui {
namespace {

// The sunken border of a picture box, in design pixels.
constexpr int kBorderWidth = 2;

}  // namespace

ChartView::ChartView(const Form1& form, QWidget* parent) : QFrame(parent), form_(&form) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kBorderWidth);
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void ChartView::setForm(const Form1& form) {
    form_ = &form;
    update();
}

void ChartView::setZoom(double zoom) {
    zoom_ = zoom;
    setLineWidth(static_cast<int>(std::lround(kBorderWidth * zoom)));
    update();
}

void ChartView::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect inside = contentsRect();
    painter.setClipRect(inside);
    painter.translate(inside.topLeft());
    if (zoom_ != 1) {
        painter.scale(zoom_, zoom_);
    }

    DotSprites noDots;
    QtCanvas canvas(painter, font(), font(), noDots, QRegion());
    picture::drawChart(canvas, *form_);
}

}  // namespace kestrel::ui
