#pragma once

#include <QScrollArea>

namespace kestrel::ui {

// The page that explains the picture: the core's legend, then what a
// forward and a reverse bias do and what the readout counts, in the core's
// words, large enough to read on a projector. Texts are broken into lines
// by the core, so Japanese breaks between its phrases as in the window.
class WhatYouSeePage : public QScrollArea {
    Q_OBJECT

public:
    explicit WhatYouSeePage(QWidget* parent);
};

}  // namespace kestrel::ui
