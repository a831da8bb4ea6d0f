#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/host/host.h"
#include "ui/frame_log.h"
#include "ui/run_files.h"

class QLineEdit;
class QPushButton;

namespace kestrel::ui {

class ChartView;
class ClassroomActions;
class ClassroomPanel;
class DiagramNews;
class FormSurface;
class IvChartWindow;
class KeysDialog;
class RunClock;
class StatusBadge;

// The one window. It shows the form on its surface, hands what the user
// does to the core's host (typing, clicks, Enter, the classroom actions, a
// saved run, real time passing) and shows what the host answers: the boxes,
// the changed parts of the picture, a message, a new readout, the end. The
// classroom controls are the core's action table as keys and a context menu
// on the diagram; unused, the window is the designed one, pixel for pixel.
// The rules of the simulation and of its events all live in the core.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    // Tells the user about an error. A fatal one ends the program once the
    // message has been seen; any other leaves the program running.
    using MessageSink = std::function<void(QWidget* parent, const QString& text, bool fatal)>;

    // Real time comes from the window's own clock unless `clock` is given
    // (a test's, moved by hand).
    explicit FormWindow(MessageSink showMessage = showMessageBox, QWidget* parent = nullptr,
                        host::Host::Clock clock = nullptr);
    ~FormWindow() override;

    [[nodiscard]] const host::Host& host() const { return *host_; }
    [[nodiscard]] const Form1& form() const { return host_->form(); }
    // The form itself, for tests that set a state no event reaches.
    Form1& formForTests() { return host_->formForTests(); }
    QLineEdit* textBox(int number) const;
    QPushButton* button(int number) const;
    ChartView* picture() const;
    FormSurface* surface() const { return surface_; }
    ClassroomActions& actions() const { return *actions_; }

    // One tick of form timer `number` at once, as a script's "tick" line
    // runs it.
    void tickTimer(int number);
    // Whether the real-time clock waits for the next tick.
    [[nodiscard]] bool clockRuns() const;
    // The clock's time has come: real time has passed.
    void timePassed();

    // The classroom controls.
    void perform(host::Action action);
    void setPaused(bool paused);
    void setSpeed(double speed);
    // The nearest zoom step, at most the largest at which the window fits
    // the screen's available area.
    void setZoom(double zoom);
    // Zoom 1 at the window's designed place.
    void showActualSize();
    [[nodiscard]] double zoom() const { return zoom_; }
    void setFullScreen(bool on);
    [[nodiscard]] bool fullScreen() const { return fullScreen_; }
    void setPanelShown(bool shown);
    [[nodiscard]] bool panelShown() const;
    [[nodiscard]] ClassroomPanel* panel() const { return panel_; }
    [[nodiscard]] StatusBadge* statusBadge() const { return badge_; }
    // The bias typed into the bias box and applied, as the panel's slider
    // does.
    void applyBias(const QString& text);
    // Types `text` into box `number` as the user would.
    void typeText(int number, const QString& text);

    // The run's files. Each reports a failure in a message and says whether
    // it succeeded.
    bool savePicture(const QString& path);
    void copyPicture();
    void copySetUp();
    bool saveScript(const QString& path);
    bool exportReadouts(const QString& path);
    bool openScript(const QString& path);
    // Replays `script` beside the class's run, showing its progress when it
    // takes long (and letting the teacher cancel it); it takes the class's
    // run's place only when it replays to its end, and otherwise says why.
    // `source` names the script in that message.
    void replayScript(const QByteArray& script, const QString& source);
    // The record of the whole run, as a script.
    [[nodiscard]] QByteArray record() const;

    IvChartWindow* showIvChart();
    KeysDialog* showKeys();

    void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }

    static void showMessageBox(QWidget* parent, const QString& text, bool fatal);

signals:
    // The classroom panel was shown or hidden, for the program to remember.
    void panelToggled(bool shown);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectControls();
    void connectActions();
    void performInWindow(host::Action action);

    // Shows what the host answered.
    void showUpdate(const host::Update& update);
    void mirrorForm();
    void showState();
    void showStatusLines();
    void placeSurface();
    [[nodiscard]] int panelHeight() const;
    [[nodiscard]] double largestZoom() const;
    void fitWindowToForm();
    void withFile(FileUse use, const std::function<bool(const QString&)>& act);
    bool writeFile(const QString& path, const QByteArray& bytes);
    void endProgram(int status);

    MessageSink showMessage_;
    FileChooser chooseFile_ = askForFile;
    RunClock* clock_ = nullptr;
    std::unique_ptr<host::Host> host_;
    FormSurface* surface_ = nullptr;
    ClassroomActions* actions_ = nullptr;
    ClassroomPanel* panel_ = nullptr;
    StatusBadge* badge_ = nullptr;
    QPointer<IvChartWindow> ivChart_;
    QPointer<KeysDialog> keysDialog_;
    std::unique_ptr<DiagramNews> news_;
    double zoom_ = 1;
    bool fullScreen_ = false;
    QRect normalPlace_;         // where the window stood before full screen
    bool shownBehind_ = false;  // the title says the run has slowed down
    bool ended_ = false;
    std::unique_ptr<FrameLog> frameLog_ = FrameLog::fromEnvironment();
};

}  // namespace kestrel::ui
