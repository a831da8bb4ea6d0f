#pragma once

#include <QWidget>
#include <functional>

#include "core/host/actions.h"
#include "core/session/readout_log.h"
#include "ui/run_files.h"

class QPushButton;

namespace kestrel::ui {

class ClassroomActions;
class IvChartView;

// The session's readouts as a chart of the current against the bias, in a
// window of its own beside the form, drawn by the core's chart: the
// readouts after "Start" since the chart was last cleared, the first after
// each set-up hollow. Its texts and marks grow with the window and with
// the form's zoom. The window's classroom keys work here too, except that
// saving and copying the picture take the chart's; a button clears it.
class IvChartWindow : public QWidget {
    Q_OBJECT

public:
    IvChartWindow(ClassroomActions& actions, QWidget* parent);

    // Redraws the chart when its points differ from those shown.
    void showReadouts(const session::ReadoutLog& readouts);
    [[nodiscard]] const IvChartView& view() const { return *view_; }

    // The chart as PNG, or as SVG when the name ends in ".svg"; a failure
    // is reported in a message.
    bool savePicture(const QString& path);
    void copyPicture();

    void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }

private:
    void shareActions(ClassroomActions& actions);
    void addPictureAction(host::Action action, const std::function<void()>& act);
    void followZoom(double zoom);

    IvChartView* view_ = nullptr;
    QPushButton* clear_ = nullptr;
    FileChooser chooseFile_ = askForFile;
    double zoom_ = 1;
};

}  // namespace kestrel::ui
