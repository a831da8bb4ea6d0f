#pragma once

#include <QRect>

class QPainter;
class QFont;
class QRegion;

namespace kestrel {
class Form1;
struct DotItem;
struct LineItem;
}  // namespace kestrel

namespace kestrel::ui {

struct DotSprites;

// Paints what the window draws on its own surface, bottom to top: labels,
// circuit shapes, band and circuit lines, carrier dots, event markers.
// `area` is what needs repainting; dots outside it are skipped.
void paintForm(QPainter& painter, const Form1& form, const QFont& letterFont, DotSprites& dots,
               const QRegion& area);

// The window pixels a dot or a line covers, in logical pixels.
QRect dotArea(const DotItem& dot, int dotSize);
QRect lineArea(const LineItem& line);

}  // namespace kestrel::ui
