#pragma once

#include <QPalette>

class QWidget;

// The form's colours whatever the desktop's theme: the diagram's black lines
// and dots are designed on a light background, and the boxes and buttons
// must stay readable beside them.
namespace kestrel::ui {

// Whether `palette` puts dark text on light windows, boxes and buttons.
bool isLight(const QPalette& palette);

// The palette the form is drawn with: the desktop's when it is light, so
// the window looks as it always has there; otherwise a light one in the
// design's greys.
QPalette formPalette(const QPalette& desktop);

// Gives `window` the form's palette now and again whenever the desktop's
// changes. Windows it opens (menus, dialogs) keep the desktop's.
void keepFormPalette(QWidget* window);

}  // namespace kestrel::ui
