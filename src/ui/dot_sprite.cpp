#include "ui/dot_sprite.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "ui/twips.h"

namespace kestrel::ui {

// Zoomed, the outline moves half a design pixel as every stroke of the
// form does (QtCanvas), so it covers exactly the pixels the design's grew
// into.
void DotSprite::drawCircle(QPainter& painter, const QRect& box, bool zoomed) const {
    painter.setPen(QPen(Qt::black, kLineWidth));
    painter.setBrush(fill_);
    if (zoomed) {
        painter.drawEllipse(QRectF(strokeRect(box)).translated(kHalfPixel, kHalfPixel));
    } else {
        painter.drawEllipse(strokeRect(box));
    }
}

void DotSprite::paint(QPainter& painter, const QRect& box) {
    // Device pixels per design pixel: the screen's ratio times the zoom.
    const qreal zoom = painter.worldTransform().m11();
    const bool zoomed = zoom != 1;
    const qreal ratio = painter.device()->devicePixelRatioF() * zoom;
    if (ratio != std::floor(ratio)) {
        drawCircle(painter, box, zoomed);
        return;
    }
    const QSize deviceSize = box.size() * static_cast<int>(ratio);
    if (sprite_.size() != deviceSize || sprite_.devicePixelRatio() != ratio || spriteZoomed_ != zoomed) {
        sprite_ = QPixmap(deviceSize);
        sprite_.setDevicePixelRatio(ratio);
        sprite_.fill(Qt::transparent);
        spriteZoomed_ = zoomed;
        QPainter spritePainter(&sprite_);
        drawCircle(spritePainter, QRect(QPoint(0, 0), box.size()), zoomed);
    }
    painter.drawPixmap(box.topLeft(), sprite_);
}

}  // namespace kestrel::ui
