#pragma once

#include <QImage>
#include <QWidget>
#include <string>
#include <vector>

#include "core/picture/iv_chart.h"
#include "ui/dot_sprite.h"

namespace kestrel::ui {

// The readouts' I–V chart as the core draws it, filling the widget: as it
// grows past the chart's designed size its lines, marks and texts grow
// with it. The same picture as PNG or SVG, for saving and copying.
class IvChartView : public QWidget {
    Q_OBJECT

public:
    explicit IvChartView(QWidget* parent);

    // Repaints when the points differ from those shown.
    void showPoints(std::vector<picture::IvPoint> points);
    [[nodiscard]] const std::vector<picture::IvPoint>& shown() const { return shown_; }
    // How many times its designed size the chart is drawn.
    [[nodiscard]] double scale() const;

    // The chart as shown, at the screen's pixels.
    [[nodiscard]] QImage image() const;
    // The chart at its drawn size in logical pixels, as SVG.
    [[nodiscard]] std::string svg() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The chart's box in twips, before the scale.
    [[nodiscard]] design::TwipsRect box() const;
    void paintChart(QPainter& painter, const QRegion& area, DotSprites& marks) const;

    std::vector<picture::IvPoint> shown_;
    DotSprites marks_;
};

}  // namespace kestrel::ui
