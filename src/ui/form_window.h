#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/form/form1.h"
#include "core/session/session.h"
#include "ui/frame_log.h"
#include "ui/run_files.h"

class QLineEdit;
class QPushButton;

namespace kestrel::ui {

class ChartView;
class ClassroomActions;
class DiagramNews;
class FormSurface;
class IvChartWindow;
class KeysDialog;
class RunClock;

// The one window. It shows the form on its surface, forwards the user's
// typing and clicks to the form through the session, lets the session run
// the form's timers on real time, and mirrors back what the form changed.
// The classroom controls (pause, step, speed, zoom, full screen, pictures,
// scripts, readouts) are keys and a context menu on the diagram; unused,
// the window is the designed one, pixel for pixel. The rules of the
// simulation all live in the form.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    // Tells the user about an error. A fatal one ends the program once the
    // message has been seen; any other leaves the program running.
    using MessageSink = std::function<void(QWidget* parent, const QString& text, bool fatal)>;

    explicit FormWindow(MessageSink showMessage = showMessageBox, QWidget* parent = nullptr);
    ~FormWindow() override;

    Form1& form() { return *form_; }
    session::Session& session() { return *session_; }
    QLineEdit* textBox(int number) const;
    QPushButton* button(int number) const;
    ChartView* picture() const;
    FormSurface* surface() const { return surface_; }
    ClassroomActions& actions() const { return *actions_; }

    // One tick of form timer `number` at once, through the session, as a
    // script's "tick" line runs it; whether the timer runs.
    void tickTimer(int number);
    [[nodiscard]] bool timerRuns(int number) const;
    // Whether the real-time clock waits for the next tick.
    [[nodiscard]] bool clockRuns() const;

    // The classroom controls.
    void setPaused(bool paused);
    void stepOnce();
    void setSpeed(double speed);
    void setZoom(double zoom);  // the nearest zoom step
    [[nodiscard]] double zoom() const { return zoom_; }
    void setFullScreen(bool on);
    // Types `text` into box `number` as the user would.
    void typeText(int number, const QString& text);

    // The run's files. Each reports a failure in a message and says whether
    // it succeeded.
    bool savePicture(const QString& path);
    void copyPicture();
    bool saveScript(const QString& path);
    bool exportReadouts(const QString& path);
    bool openScript(const QString& path);
    // Starts over from a freshly loaded form and replays `script` into it;
    // the run goes on live from its end, or from a line it could not run,
    // which is reported. `source` names the script in that report.
    void replayScript(const QByteArray& script, const QString& source);

    IvChartWindow* showIvChart();
    KeysDialog* showKeys();

    void setFileChooser(FileChooser choose) { chooseFile_ = std::move(choose); }

    static void showMessageBox(QWidget* parent, const QString& text, bool fatal);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void connectControls();
    void connectActions();
    void loadFreshForm();

    // Runs one event on the form, then shows what it changed. An input
    // error is reported and the run goes on; a fatal one ends the program.
    void runEvent(const std::function<void()>& procedure);
    // Lets the session run what fell due since it last heard the time.
    void catchUp();
    void clockDue();
    void mirrorForm();
    void showState();
    void placeSurface();
    void withFile(FileUse use, const std::function<bool(const QString&)>& act);
    void changeSpeed(void (session::Session::*change)());
    bool writeFile(const QString& path, const QByteArray& bytes);
    void endProgram(int status);

    std::unique_ptr<Form1> form_;
    std::unique_ptr<session::Session> session_;
    MessageSink showMessage_;
    FileChooser chooseFile_ = askForFile;
    FormSurface* surface_ = nullptr;
    RunClock* clock_ = nullptr;
    ClassroomActions* actions_ = nullptr;
    QPointer<IvChartWindow> ivChart_;
    QPointer<KeysDialog> keysDialog_;
    std::unique_ptr<DiagramNews> news_;
    double zoom_ = 1;
    bool ended_ = false;
    std::unique_ptr<FrameLog> frameLog_ = FrameLog::fromEnvironment();
};

}  // namespace kestrel::ui
