#include "ui/iv_chart_window.h"

#include <QPainter>

#include "core/form/design.h"

namespace kestrel::ui {

IvChartWindow::IvChartWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("I–V chart – %1").arg(QString::fromUtf8(design::kWindowCaption)));
    resize(480, 360);
}

void IvChartWindow::showReadouts(const std::vector<session::Readout>& readouts) {
    if (readouts.size() == shown_.size()) {
        return;
    }
    shown_ = readouts;
    update();
}

void IvChartWindow::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
}

}  // namespace kestrel::ui
