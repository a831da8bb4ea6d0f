#include "ui/qt_canvas.h"

#include <QFontMetricsF>
#include <QPainter>

#include "ui/dot_sprite.h"
#include "ui/twips.h"

namespace kestrel::ui {
namespace {

QColor qtColour(design::Colour colour) {
    return {colour.red, colour.green, colour.blue};
}

QPen outline() {
    return {Qt::black, kLineWidth};
}

// A one-pixel stroke at identity covers the pixels right of and below its
// path. Scaled, a pen is centred on the path instead; half a design pixel
// across and down puts a zoomed stroke on exactly the pixels the design
// pixel grew into.
class ZoomedStroke {
public:
    explicit ZoomedStroke(QPainter& painter) : painter_(painter), zoomed_(isZoomed(painter)) {
        if (zoomed_) {
            painter_.translate(kHalfPixel, kHalfPixel);
        }
    }
    ~ZoomedStroke() {
        if (zoomed_) {
            painter_.translate(-kHalfPixel, -kHalfPixel);
        }
    }
    ZoomedStroke(const ZoomedStroke&) = delete;
    ZoomedStroke& operator=(const ZoomedStroke&) = delete;

private:
    QPainter& painter_;
    bool zoomed_;
};

}  // namespace

bool isZoomed(const QPainter& painter) {
    return painter.worldTransform().m11() != 1;
}

QtCanvas::QtCanvas(QPainter& painter, const QFont& defaultFont, const QFont& letterFont, DotSprites& dots,
                   const QRegion& area)
    : painter_(painter), defaultFont_(defaultFont), letterFont_(letterFont), dots_(dots), area_(area) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void QtCanvas::line(const LineItem& ends, const design::Pen& pen) {
    QPen qtPen(qtColour(pen.colour), kLineWidth);
    if (pen.style == design::LineStyle::DashDot) {
        const auto& pattern = picture::kDashDotPattern;
        qtPen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    }
    painter_.setPen(qtPen);
    const ZoomedStroke stroke(painter_);
    painter_.drawLine(toPixels(ends.X1, ends.Y1), toPixels(ends.X2, ends.Y2));
}

void QtCanvas::rectangle(const design::TwipsRect& box, const design::Colour* fill) {
    painter_.setPen(outline());
    painter_.setBrush(fill ? QBrush(qtColour(*fill)) : QBrush());
    const ZoomedStroke stroke(painter_);
    painter_.drawRect(strokeRect(pixels(box)));
}

void QtCanvas::ellipse(const design::TwipsRect& box) {
    painter_.setPen(outline());
    painter_.setBrush(QBrush());
    const ZoomedStroke stroke(painter_);
    painter_.drawEllipse(strokeRect(pixels(box)));
}

void QtCanvas::dot(const DotItem& dot, int size, design::Colour fill) {
    const QRect box = qtRect(picture::dotArea(dot, size));
    if (area_.intersects(painter_.transform().mapRect(QRectF(box)).toAlignedRect())) {
        dots_.forFill(fill).paint(painter_, box);
    }
}

void QtCanvas::point(float x, float y, design::Colour colour) {
    painter_.setPen(QPen(qtColour(colour), kLineWidth));
    const ZoomedStroke stroke(painter_);
    painter_.drawPoint(toPixels(x, y));
}

void QtCanvas::text(const design::TwipsRect& box, std::string_view text, const design::Font& font,
                    picture::TextAlign align) {
    const int topLeft = Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip;
    const int flags = align == picture::TextAlign::Centred ? static_cast<int>(Qt::AlignCenter) : topLeft;
    painter_.setFont(font.family ? letterFont_ : defaultFont_);
    painter_.setPen(Qt::black);
    painter_.drawText(pixels(box), flags,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

double QtCanvas::textWidth(std::string_view text, const design::Font& font) {
    const QFontMetricsF metrics(font.family ? letterFont_ : defaultFont_);
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

QRect qtRect(const picture::PixelRect& area) {
    return {area.left, area.top, area.width, area.height};
}

}  // namespace kestrel::ui
