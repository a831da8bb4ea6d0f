#pragma once

#include <QFrame>

namespace kestrel {
class Form1;
}

namespace kestrel::ui {

// The strip chart: a picture box that draws its baseline and the points the
// step has plotted since the chart was last cleared, `zoom` times its design
// size.
class ChartView : public QFrame {
    Q_OBJECT

public:
    ChartView(const Form1& form, QWidget* parent);

    void setForm(const Form1& form);
    void setZoom(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Form1* form_;
    double zoom_ = 1;
};

}  // namespace kestrel::ui
