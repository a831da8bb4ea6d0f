#pragma once

#include <QWidget>

#include "ui/dot_sprite.h"

namespace kestrel::ui {

// The core's legend of the band diagram, drawn as the window draws its
// picture, `zoom` times its design size so a class can read it from the
// back. Screen readers read its captions.
class LegendView : public QWidget {
    Q_OBJECT

public:
    LegendView(double zoom, QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double zoom_;
    QFont designFont_;
    QFont letterFont_;
    DotSprites dots_;
};

}  // namespace kestrel::ui
