#include "ui/iv_chart_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "core/picture/svg_canvas.h"
#include "ui/core_texts.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"

namespace kestrel::ui {

IvChartView::IvChartView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void IvChartView::showPoints(std::vector<picture::IvPoint> points) {
    if (points == shown_) {
        return;
    }
    shown_ = std::move(points);
    update();
}

double IvChartView::scale() const {
    return picture::readoutChartScale(width(), height());
}

design::TwipsRect IvChartView::box() const {
    const double scale = this->scale();
    return {0, 0, static_cast<int>(std::floor(width() / scale * kTwipsPerPixel)),
            static_cast<int>(std::floor(height() / scale * kTwipsPerPixel))};
}

void IvChartView::paintChart(QPainter& painter, const QRegion& area, DotSprites& marks) const {
    painter.fillRect(rect(), Qt::white);
    const double scale = this->scale();
    painter.scale(scale, scale);
    QtCanvas canvas(painter, font(), font(), marks, area);
    picture::drawReadoutChart(canvas, shown_, box(), translateCoreText);
}

void IvChartView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    paintChart(painter, event->region(), marks_);
}

QImage IvChartView::image() const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    DotSprites marks;
    paintChart(painter, QRegion(QRect(QPoint(0, 0), image.size())), marks);
    return image;
}

std::string IvChartView::svg() const {
    const design::TwipsRect chart = box();
    picture::SvgCanvas canvas(chart.width, chart.height, design::kWhite);
    picture::drawReadoutChart(canvas, shown_, chart, translateCoreText);
    return canvas.document();
}

}  // namespace kestrel::ui
