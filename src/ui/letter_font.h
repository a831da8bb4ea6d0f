#pragma once

#include <QFont>

namespace kestrel::ui {

// The font of the band letters. Where its Japanese gothic face is not
// installed, an installed proportional Japanese gothic takes its place.
QFont letterFont();

}  // namespace kestrel::ui
