#pragma once

class QPainter;
class QFont;

namespace kestrel {
class Form1;
}

namespace kestrel::ui {

// Paints what the window draws on its own surface, bottom to top: labels,
// circuit shapes, band and circuit lines, carrier dots, event markers.
void paintForm(QPainter& painter, const Form1& form, const QFont& letterFont);

}  // namespace kestrel::ui
