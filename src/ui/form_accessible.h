#pragma once

// What screen readers find in the window: the window by its caption, and the
// form's surface as a named diagram whose description follows the run, with
// the boxes, the buttons and the worded labels (the notice among them) as
// its children.
namespace kestrel::ui {

// Installs the interfaces once; later calls do nothing.
void installFormAccessibility();

}  // namespace kestrel::ui
