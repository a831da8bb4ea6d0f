#include "ui/legend_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "core/form/design.h"
#include "core/host/what_you_see.h"
#include "core/picture/legend.h"
#include "ui/core_texts.h"
#include "ui/letter_font.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"

namespace kestrel::ui {

LegendView::LegendView(double zoom, QWidget* parent)
    : QWidget(parent), zoom_(zoom), designFont_(font()), letterFont_(letterFont()) {
    designFont_.setPointSizeF(design::kDefaultFont.points);
    setAccessibleName(QString::fromStdString(translateCoreText("explain", host::kLegendHeading)));
    setAccessibleDescription(QString::fromStdString(picture::legendText(translateCoreText)));
    setFixedSize(sizeHint());
}

QSize LegendView::sizeHint() const {
    const auto pixels = [this](int twips) {
        return static_cast<int>(std::ceil(twips * zoom_ / kTwipsPerPixel));
    };
    return {pixels(picture::kLegendWidth), pixels(picture::kLegendHeight)};
}

void LegendView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(design::kWindowBackground.red, design::kWindowBackground.green,
                                    design::kWindowBackground.blue));
    painter.scale(zoom_, zoom_);
    QtCanvas canvas(painter, designFont_, letterFont_, dots_, event->region());
    picture::drawLegend(canvas, translateCoreText);
}

}  // namespace kestrel::ui
