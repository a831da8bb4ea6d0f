#include "ui/iv_chart_window.h"

#include <QPaintEvent>
#include <QPainter>

#include "core/form/design.h"
#include "core/picture/iv_chart.h"
#include "ui/core_texts.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"

namespace kestrel::ui {
namespace {

constexpr QSize kStartSize(480, 400);
constexpr QSize kSmallest(320, 280);

std::vector<picture::IvPoint> pointsOf(const std::vector<session::Readout>& readouts) {
    std::vector<picture::IvPoint> points;
    for (const session::Readout& readout : readouts) {
        if (!readout.bias.empty()) {
            points.push_back({readout.biasVolts, static_cast<double>(readout.current), readout.partial});
        }
    }
    return points;
}

}  // namespace

IvChartWindow::IvChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("I–V chart – %1").arg(QString::fromUtf8(design::kWindowCaption)));
    QFont designFont = font();
    designFont.setPointSizeF(design::kDefaultFont.points);
    setFont(designFont);
    setMinimumSize(kSmallest);
    resize(kStartSize);
}

void IvChartWindow::showReadouts(const std::vector<session::Readout>& readouts) {
    if (readouts == shown_) {
        return;
    }
    shown_ = readouts;
    update();
}

void IvChartWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    QtCanvas canvas(painter, font(), font(), marks_, event->region());
    const std::vector<picture::IvPoint> points = pointsOf(shown_);
    picture::drawIvChart(canvas, points, {0, 0, width() * kTwipsPerPixel, height() * kTwipsPerPixel},
                         translateCoreText);
}

}  // namespace kestrel::ui
