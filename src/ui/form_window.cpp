#include "ui/form_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "core/controls/bias_enter.h"
#include "core/form/design.h"
#include "core/numbers/run_time_error.h"
#include "ui/chart_view.h"
#include "ui/classroom_actions.h"
#include "ui/core_texts.h"
#include "ui/diagram_news.h"
#include "ui/form_accessible.h"
#include "ui/form_surface.h"
#include "ui/iv_chart_window.h"
#include "ui/keys_dialog.h"
#include "ui/light_palette.h"
#include "ui/run_clock.h"
#include "ui/screen_place.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace kestrel::ui {
namespace {

constexpr int kBiasBox = 4;     // Text4, "Bias (V)"
constexpr int kReadoutBox = 7;  // Text7, "Current (mA)"

// The margins around the form in full screen.
const QColor kFullScreenMargin = Qt::black;

const design::TimerDesign& timerNumbered(int number) {
    return design::kTimers.at(static_cast<std::size_t>(number - 1));
}

}  // namespace

FormWindow::FormWindow(MessageSink showMessage, QWidget* parent)
    : QWidget(parent), form_(std::make_unique<Form1>()), showMessage_(std::move(showMessage)) {
    // Before anything below can ask for the window's accessible interface.
    installFormAccessibility();
    setWindowTitle(designText(design::kWindowCaption));
    // A desktop with larger default text would spill the captions out of
    // their boxes.
    QFont designFont = font();
    designFont.setPointSizeF(design::kDefaultFont.points);
    setFont(designFont);
    keepFormPalette(this);
    // At its designed place, or moved to where all of it shows.
    const QRect client = pixels(design::kClientArea);
    setGeometry(QRect(placeOnScreen(client, availableAround(client)), client.size()));
    setMinimumSize(client.size());

    surface_ = new FormSurface(*form_, this);
    surface_->setGeometry(rect());
    if (frameLog_) {
        // The first repaint's end, once it has been put on the screen.
        surface_->onFirstPaint(
            [this] { QTimer::singleShot(0, this, [this] { frameLog_->firstPaintShown(); }); });
    }
    news_ = std::make_unique<DiagramNews>(surface_, surface_->textBox(kReadoutBox));
    clock_ = new RunClock([this] { clockDue(); }, this);
    actions_ = new ClassroomActions(this);
    connectControls();
    connectActions();

    runEvent([this] {
        form_->Form_Load();
        session_ = std::make_unique<session::Session>(*form_);
    });
    button(1)->setFocus();
}

FormWindow::~FormWindow() = default;

QLineEdit* FormWindow::textBox(int number) const {
    return surface_->textBox(number);
}

QPushButton* FormWindow::button(int number) const {
    return surface_->button(number);
}

ChartView* FormWindow::picture() const {
    return surface_->picture();
}

void FormWindow::connectControls() {
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        const design::TextBoxDesign& box = design::kTextBoxes[i];
        connect(surface_->textBox(static_cast<int>(i) + 1), &QLineEdit::textEdited, this,
                [this, &box](const QString& text) {
                    runEvent([this, &box, text] {
                        catchUp();
                        session_->type(box, text.toStdString());
                    });
                });
    }
    for (std::size_t i = 0; i < design::kButtons.size(); ++i) {
        const design::ButtonDesign& button = design::kButtons[i];
        connect(surface_->button(static_cast<int>(i) + 1), &QPushButton::clicked, this, [this, &button] {
            runEvent([this, &button] {
                catchUp();
                session_->click(button);
            });
        });
    }
    // Enter in the bias box applies the bias, as a click on its button does.
    connect(surface_->textBox(kBiasBox), &QLineEdit::returnPressed, this, [this] {
        const design::ButtonDesign& button = biasEnterButton(*form_);
        surface_->button(static_cast<int>(&button - design::kButtons.data()) + 1)->click();
    });
    connect(surface_, &FormSurface::menuWanted, this,
            [this](const QPoint& where) { actions_->menu()->popup(where); });
}

void FormWindow::connectActions() {
    const ClassroomActions& a = *actions_;
    connect(a.pause, &QAction::triggered, this, [this] { setPaused(!session_->paused()); });
    connect(a.step, &QAction::triggered, this, &FormWindow::stepOnce);
    connect(a.slower, &QAction::triggered, this, [this] { changeSpeed(&session::Session::slower); });
    connect(a.faster, &QAction::triggered, this, [this] { changeSpeed(&session::Session::faster); });
    connect(a.zoomIn, &QAction::triggered, this, [this] { setZoom(zoomIn(zoom_)); });
    connect(a.zoomOut, &QAction::triggered, this, [this] { setZoom(zoomOut(zoom_)); });
    connect(a.actualSize, &QAction::triggered, this, [this] { setZoom(1); });
    connect(a.fullScreen, &QAction::triggered, this, [this] { setFullScreen(!isFullScreen()); });
    connect(a.leaveFullScreen, &QAction::triggered, this, [this] { setFullScreen(false); });
    connect(a.savePicture, &QAction::triggered, this, [this] {
        withFile(FileUse::SavePicture, [this](const QString& path) { return savePicture(path); });
    });
    connect(a.copyPicture, &QAction::triggered, this, &FormWindow::copyPicture);
    connect(a.saveScript, &QAction::triggered, this, [this] {
        withFile(FileUse::SaveScript, [this](const QString& path) { return saveScript(path); });
    });
    connect(a.openScript, &QAction::triggered, this, [this] {
        withFile(FileUse::OpenScript, [this](const QString& path) { return openScript(path); });
    });
    connect(a.exportReadouts, &QAction::triggered, this, [this] {
        withFile(FileUse::ExportReadouts, [this](const QString& path) { return exportReadouts(path); });
    });
    connect(a.ivChart, &QAction::triggered, this, &FormWindow::showIvChart);
    connect(a.keys, &QAction::triggered, this, &FormWindow::showKeys);
}

// The new form is loaded before anything else sees it (should loading
// fail, the old form and session stay), and the session takes over a
// loaded form; the teacher's pause and speed carry over.
void FormWindow::loadFreshForm() {
    auto fresh = std::make_unique<Form1>();
    fresh->Form_Load();
    const bool paused = session_->paused();
    const double speed = session_->speed();
    session_.reset();
    surface_->setForm(*fresh);
    form_ = std::move(fresh);
    session_ = std::make_unique<session::Session>(*form_);
    session_->setSpeed(speed);
    if (paused) {
        session_->pause();
    }
    clock_->takeElapsedMs();
}

void FormWindow::tickTimer(int number) {
    runEvent([this, number] { session_->tickNow(timerNumbered(number)); });
}

bool FormWindow::timerRuns(int number) const {
    return (form_.get()->*timerNumbered(number).member).Enabled;
}

bool FormWindow::clockRuns() const {
    return clock_->isScheduled();
}

void FormWindow::typeText(int number, const QString& text) {
    const design::TextBoxDesign& box = design::kTextBoxes.at(static_cast<std::size_t>(number - 1));
    runEvent([this, &box, &text] {
        catchUp();
        session_->type(box, text.toStdString());
    });
}

void FormWindow::runEvent(const std::function<void()>& procedure) {
    if (ended_) {
        return;
    }
    try {
        procedure();
    } catch (const RunTimeError& error) {
        if (error.fatal()) {
            clock_->stop();
            ended_ = true;
            showMessage_(this, tr("Run-time error: %1. The program ends.").arg(errorMessage(error)), true);
            endProgram(1);
            return;
        }
        mirrorForm();
        showMessage_(this, errorMessage(error), false);
        return;
    }
    mirrorForm();
}

void FormWindow::catchUp() {
    session_->advance(clock_->takeElapsedMs());
}

// The frame log names the work after the step when one ran.
void FormWindow::clockDue() {
    const auto work = [this] { runEvent([this] { catchUp(); }); };
    if (!frameLog_) {
        work();
        return;
    }
    const long steps = session_->steps();
    frameLog_->timeNamed([&] {
        work();
        return session_ && session_->steps() != steps ? "Timer1" : "timers";
    });
}

void FormWindow::mirrorForm() {
    if (form_->ended()) {
        endProgram(0);
        return;
    }
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        const TextBoxItem& item = form_.get()->*design::kTextBoxes[i].member;
        QLineEdit* edit = surface_->textBox(static_cast<int>(i) + 1);
        const QString text = QString::fromStdString(item.Text);
        if (edit->text() != text) {
            edit->setText(text);
        }
        edit->setEnabled(item.Enabled);
    }
    surface_->showChanges();
    news_->afterEvent(*form_, session_ ? session_->readouts().entries().size() : 0);
    if (session_) {
        clock_->schedule(session_->realMsToNextTick());
        if (ivChart_) {
            ivChart_->showReadouts(session_->readouts().entries());
        }
    }
}

void FormWindow::setPaused(bool paused) {
    runEvent([this, paused] {
        catchUp();
        paused ? session_->pause() : session_->resume();
    });
    showState();
}

void FormWindow::stepOnce() {
    runEvent([this] { session_->step(); });
}

void FormWindow::setSpeed(double speed) {
    runEvent([this, speed] {
        catchUp();
        session_->setSpeed(speed);
    });
    showState();
}

void FormWindow::changeSpeed(void (session::Session::*change)()) {
    runEvent([this, change] {
        catchUp();
        (session_.get()->*change)();
    });
    showState();
}

void FormWindow::setZoom(double zoom) {
    if (isFullScreen()) {
        return;  // full screen fits the form to the screen
    }
    zoom_ = nearestZoom(zoom);
    surface_->setZoom(zoom_);
    const QSize size = surface_->formSize();
    setMinimumSize(size);
    resize(size);
    const QRect frame = frameGeometry();
    move(placeOnScreen(frame, availableAround(frame)));
    placeSurface();
    showState();
}

void FormWindow::setFullScreen(bool on) {
    if (on == isFullScreen()) {
        return;
    }
    on ? showFullScreen() : showNormal();
    placeSurface();
    showState();
}

// In full screen the form is as large as fits the screen, in the middle;
// otherwise the surface is the whole window, at the chosen zoom.
void FormWindow::placeSurface() {
    if (!isFullScreen()) {
        surface_->setAutoFillBackground(false);
        surface_->setZoom(zoom_);
        surface_->setGeometry(rect());
        return;
    }
    const QSize design = pixels(design::kClientArea).size();
    const double fit = std::min(static_cast<double>(width()) / design.width(),
                                static_cast<double>(height()) / design.height());
    surface_->setZoom(fit);
    const QSize form = surface_->formSize().boundedTo(size());
    surface_->setGeometry(QRect(QPoint((width() - form.width()) / 2, (height() - form.height()) / 2), form));
    surface_->setAutoFillBackground(true);
    update();
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeSurface();
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        placeSurface();
        showState();
    }
}

// The title says how the run differs from a plain one; Qt shows the
// caption after it.
void FormWindow::showState() {
    if (!session_) {
        return;
    }
    actions_->showState(session_->paused(), session_->speed(), zoom_, isFullScreen());
    QStringList state;
    if (session_->paused()) {
        state << tr("Paused");
    }
    if (session_->speed() != 1) {
        state << tr("Speed %1").arg(speedText(session_->speed()));
    }
    if (zoom_ != 1) {
        state << tr("Zoom %1").arg(zoomText(zoom_));
    }
    const QString caption = designText(design::kWindowCaption);
    setWindowTitle(state.isEmpty() ? caption
                                   : state.join(QStringLiteral(", ")) + QStringLiteral(" – ") + caption);
}

void FormWindow::withFile(FileUse use, const std::function<bool(const QString&)>& act) {
    const QString path = chooseFile_(this, use);
    if (!path.isEmpty()) {
        act(path);
    }
}

bool FormWindow::writeFile(const QString& path, const QByteArray& bytes) {
    if (const auto problem = writeWholeFile(path, bytes)) {
        showMessage_(this, tr("Cannot write %1: %2").arg(path, *problem), false);
        return false;
    }
    return true;
}

// The form's area as the window shows it now, controls included.
bool FormWindow::savePicture(const QString& path) {
    const QPixmap picture = surface_->grab(QRect(QPoint(0, 0), surface_->formSize()));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return writeFile(path, png);
}

void FormWindow::copyPicture() {
    QGuiApplication::clipboard()->setPixmap(surface_->grab(QRect(QPoint(0, 0), surface_->formSize())));
}

bool FormWindow::saveScript(const QString& path) {
    return writeFile(path, QByteArray::fromStdString(session_->script()));
}

bool FormWindow::exportReadouts(const QString& path) {
    return writeFile(path, QByteArray::fromStdString(session_->readouts().csv()));
}

bool FormWindow::openScript(const QString& path) {
    QByteArray script;
    if (const auto problem = readWholeFile(path, script)) {
        showMessage_(this, tr("Cannot read %1: %2").arg(path, *problem), false);
        return false;
    }
    replayScript(script, path);
    return true;
}

void FormWindow::replayScript(const QByteArray& script, const QString& source) {
    std::optional<session::ReplayStop> stop;
    runEvent([this, &script, &stop] {
        loadFreshForm();
        stop = session_->replay(script.toStdString());
    });
    if (stop && !stop->problem.empty()) {
        const QByteArray line = script.split('\n').value(stop->line - 1);
        showMessage_(this,
                     tr("%1, line %2: %3: \"%4\". The lines before it have run; the run goes on from there.")
                         .arg(source)
                         .arg(stop->line)
                         .arg(scriptProblem(stop->problem), QString::fromUtf8(line).trimmed()),
                     false);
    }
}

IvChartWindow* FormWindow::showIvChart() {
    if (!ivChart_) {
        ivChart_ = new IvChartWindow(this);
    }
    ivChart_->showReadouts(session_->readouts().entries());
    ivChart_->show();
    ivChart_->raise();
    return ivChart_;
}

KeysDialog* FormWindow::showKeys() {
    if (!keysDialog_) {
        keysDialog_ = new KeysDialog(*actions_, this);
    }
    keysDialog_->show();
    keysDialog_->raise();
    return keysDialog_;
}

// Queued, the end also comes when the program ends before its event loop
// has begun, as a script given on the command line may.
void FormWindow::endProgram(int status) {
    ended_ = true;
    clock_->stop();
    hide();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

// A repaint request paints every changed widget of the window and puts the
// result on the screen: that is the paint half of a frame.
bool FormWindow::event(QEvent* event) {
    if (event->type() != QEvent::UpdateRequest || !frameLog_) {
        return QWidget::event(event);
    }
    bool handled = false;
    frameLog_->time("paint", [this, event, &handled] { handled = QWidget::event(event); });
    return handled;
}

void FormWindow::paintEvent(QPaintEvent* /*event*/) {
    if (isFullScreen()) {
        QPainter(this).fillRect(rect(), kFullScreenMargin);
    }
}

void FormWindow::showMessageBox(QWidget* parent, const QString& text, bool fatal) {
    const QString title = designText(design::kWindowCaption);
    if (fatal) {
        QMessageBox::critical(parent, title, text);
    } else {
        QMessageBox::warning(parent, title, text);
    }
}

}  // namespace kestrel::ui
