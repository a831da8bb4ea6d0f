#pragma once

#include "core/form/form1.h"
#include "core/picture/canvas.h"

// The form's picture as the window shows it, drawn from the form's items.
namespace kestrel::picture {

// What the window paints on its own surface, bottom to top: labels, circuit
// shapes, band and circuit lines, electrons, holes, event markers. Hidden
// lines are left out.
// Lines are hidden. The captions are in the language `translate` gives
// (the design's without it).
void drawForm(Canvas& canvas, const Form1& form, const texts::Translate& translate = nullptr);

// The text boxes and buttons as plain boxes with their texts, for a picture
// that has no real controls on top of it.
void drawControls(Canvas& canvas, const Form1& form, const texts::Translate& translate = nullptr);

// The strip chart in its own coordinates: its baseline and plotted points.
void drawChart(Canvas& canvas, const Form1& form);

}  // namespace kestrel::picture
