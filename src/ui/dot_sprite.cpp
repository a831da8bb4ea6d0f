#include "ui/dot_sprite.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

#include "ui/twips.h"

namespace kestrel::ui {

void DotSprite::drawCircle(QPainter& painter, const QRect& box) const {
    painter.setPen(QPen(Qt::black, kLineWidth));
    painter.setBrush(fill_);
    painter.drawEllipse(strokeRect(box));
}

void DotSprite::paint(QPainter& painter, const QRect& box) {
    // Device pixels per design pixel: the screen's ratio times the zoom.
    const qreal ratio = painter.device()->devicePixelRatioF() * painter.worldTransform().m11();
    if (ratio != std::floor(ratio)) {
        drawCircle(painter, box);
        return;
    }
    const QSize deviceSize = box.size() * static_cast<int>(ratio);
    if (sprite_.size() != deviceSize || sprite_.devicePixelRatio() != ratio) {
        sprite_ = QPixmap(deviceSize);
        sprite_.setDevicePixelRatio(ratio);
        sprite_.fill(Qt::transparent);
        QPainter spritePainter(&sprite_);
        drawCircle(spritePainter, QRect(QPoint(0, 0), box.size()));
    }
    painter.drawPixmap(box.topLeft(), sprite_);
}

}  // namespace kestrel::ui
