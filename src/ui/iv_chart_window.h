#pragma once

#include <QWidget>
#include <vector>

#include "core/session/readout_log.h"
#include "ui/dot_sprite.h"

namespace kestrel::ui {

// The session's readouts as a chart of the current against the bias, in a
// window of its own beside the form, drawn by the core's chart. Readouts
// before the first set-up have no bias and are left out; the first after
// each set-up covers less than a whole interval and is drawn hollow. Under
// the chart stands the window's notice that the value is not a correct
// current.
class IvChartWindow : public QWidget {
    Q_OBJECT

public:
    explicit IvChartWindow(QWidget* parent);

    // Redraws the chart when the readouts differ from those shown.
    void showReadouts(const std::vector<session::Readout>& readouts);
    [[nodiscard]] const std::vector<session::Readout>& shown() const { return shown_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<session::Readout> shown_;
    DotSprites marks_;
};

}  // namespace kestrel::ui
