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
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/form/design.h"
#include "core/host/limits.h"
#include "core/host/set_up.h"
#include "core/host/status_text.h"
#include "core/session/script_line.h"
#include "ui/chart_view.h"
#include "ui/classroom_actions.h"
#include "ui/classroom_panel.h"
#include "ui/core_texts.h"
#include "ui/diagram_news.h"
#include "ui/form_accessible.h"
#include "ui/form_surface.h"
#include "ui/iv_chart_window.h"
#include "ui/keys_dialog.h"
#include "ui/light_palette.h"
#include "ui/run_clock.h"
#include "ui/screen_place.h"
#include "ui/status_badge.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace kestrel::ui {
namespace {

constexpr int kReadoutBox = 7;   // Text7, "Current (mA)"
constexpr int kBiasTextBox = 4;  // Text4, "Bias (V)"

// The margins around the form in full screen.
const QColor kFullScreenMargin = Qt::black;

// A saved run is replayed in steps of this many ticks between looks at the
// window's events, and shows its progress once it has taken this long.
constexpr long kTicksPerOpeningStep = 2000;
constexpr int kShowOpeningProgressAfterMs = 400;
constexpr int kProgressSteps = 1000;

}  // namespace

FormWindow::FormWindow(MessageSink showMessage, QWidget* parent, host::Host::Clock clock)
    : QWidget(parent), showMessage_(std::move(showMessage)) {
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

    clock_ = new RunClock([this] { timePassed(); }, this);
    if (!clock) {
        clock = [this] { return clock_->nowMs(); };
    }
    host_ = std::make_unique<host::Host>(std::move(clock), host::Wording(translateCoreText));
    surface_ = new FormSurface(host_->form(), this);
    surface_->setGeometry(rect());
    if (frameLog_) {
        // The first repaint's end, once it has been put on the screen.
        surface_->onFirstPaint(
            [this] { QTimer::singleShot(0, this, [this] { frameLog_->firstPaintShown(); }); });
    }
    badge_ = new StatusBadge(this);
    news_ = std::make_unique<DiagramNews>(surface_, surface_->textBox(kReadoutBox));
    actions_ = new ClassroomActions(this);
    connectControls();
    connectActions();
    mirrorForm();
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
        QLineEdit* edit = surface_->textBox(static_cast<int>(i) + 1);
        connect(edit, &QLineEdit::textEdited, this,
                [this, &box](const QString& text) { showUpdate(host_->type(box, text.toStdString())); });
        connect(edit, &QLineEdit::returnPressed, this, [this, &box] { showUpdate(host_->enter(box)); });
    }
    for (std::size_t i = 0; i < design::kButtons.size(); ++i) {
        const design::ButtonDesign& button = design::kButtons[i];
        connect(surface_->button(static_cast<int>(i) + 1), &QPushButton::clicked, this,
                [this, &button] { showUpdate(host_->click(button)); });
    }
    connect(surface_, &FormSurface::menuWanted, this,
            [this](const QPoint& where) { actions_->menu()->popup(where); });
}

void FormWindow::connectActions() {
    for (const host::ActionDesign& design : host::kActions) {
        connect((*actions_)[design.action], &QAction::triggered, this,
                [this, action = design.action] { perform(action); });
    }
}

void FormWindow::perform(host::Action action) {
    if (host::actionDesign(action).runs == host::Runs::OnTheRun) {
        showUpdate(host_->perform(action));
        showState();
    } else {
        performInWindow(action);
    }
}

void FormWindow::performInWindow(host::Action action) {
    using host::Action;
    switch (action) {
        case Action::ZoomIn:
            return setZoom(zoomIn(zoom_, largestZoom()));
        case Action::ZoomOut:
            return setZoom(zoomOut(zoom_));
        case Action::ActualSize:
            return showActualSize();
        case Action::FullScreen:
            return setFullScreen(!fullScreen_);
        case Action::LeaveFullScreen:
            return setFullScreen(false);
        case Action::SavePicture:
            return withFile(FileUse::SavePicture, [this](const QString& path) { return savePicture(path); });
        case Action::CopyPicture:
            return copyPicture();
        case Action::SaveRun:
            return withFile(FileUse::SaveScript, [this](const QString& path) { return saveScript(path); });
        case Action::OpenRun:
            return withFile(FileUse::OpenScript, [this](const QString& path) { return openScript(path); });
        case Action::SaveReadouts:
            return withFile(FileUse::ExportReadouts,
                            [this](const QString& path) { return exportReadouts(path); });
        case Action::IvChart:
            showIvChart();
            return;
        case Action::ClearChart:
            host_->clearChart();
            return mirrorForm();
        case Action::Keys:
            return showKeys()->turnTo(HelpPage::Keys);
        case Action::WhatYouSee:
            return showKeys()->turnTo(HelpPage::WhatYouSee);
        case Action::Panel:
            return setPanelShown(!panelShown());
        case Action::CopySetUp:
            return copySetUp();
        default:
            return;
    }
}

void FormWindow::tickTimer(int number) {
    showUpdate(host_->tickNow(design::kTimers.at(static_cast<std::size_t>(number - 1))));
}

bool FormWindow::clockRuns() const {
    return clock_->isScheduled();
}

void FormWindow::typeText(int number, const QString& text) {
    showUpdate(host_->type(design::kTextBoxes.at(static_cast<std::size_t>(number - 1)), text.toStdString()));
}

void FormWindow::showUpdate(const host::Update& update) {
    if (ended_) {
        return;
    }
    if (update.ended) {
        clock_->stop();
        ended_ = true;
    }
    if (update.message) {
        showMessage_(this, QString::fromStdString(update.message->text), update.message->fatal);
    }
    if (update.ended) {
        endProgram(host_->exitStatus());
        return;
    }
    mirrorForm();
}

// The frame log names the work after the step when one ran.
void FormWindow::timePassed() {
    if (!frameLog_) {
        showUpdate(host_->timePassed());
        return;
    }
    const long steps = host_->status().steps;
    frameLog_->timeNamed([&] {
        showUpdate(host_->timePassed());
        return host_->status().steps != steps ? "Timer1" : "timers";
    });
}

void FormWindow::mirrorForm() {
    const Form1& form = host_->form();
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        const TextBoxItem& item = form.*design::kTextBoxes[i].member;
        QLineEdit* edit = surface_->textBox(static_cast<int>(i) + 1);
        const QString text = QString::fromStdString(item.Text);
        if (edit->text() != text) {
            edit->setText(text);
        }
        edit->setEnabled(item.Enabled);
    }
    surface_->showChanges();
    if (host_->status().behind != shownBehind_) {
        showState();
    }
    showStatusLines();
    if (panel_ && !surface_->textBox(kBiasTextBox)->hasFocus()) {
        panel_->followBias(surface_->textBox(kBiasTextBox)->text());
    }
    news_->afterEvent(form, host_->readouts().entries().size(), host_->wording());
    clock_->schedule(host_->msToNextTick());
    if (ivChart_) {
        ivChart_->showReadouts(host_->readouts());
    }
}

void FormWindow::setPaused(bool paused) {
    showUpdate(host_->setPaused(paused));
    showState();
}

void FormWindow::setSpeed(double speed) {
    showUpdate(host_->setSpeed(speed));
    showState();
}

void FormWindow::setZoom(double zoom) {
    if (fullScreen_) {
        return;  // full screen fits the form to the screen
    }
    zoom_ = std::min(nearestZoom(zoom), largestZoom());
    surface_->setZoom(zoom_);
    fitWindowToForm();
    const QRect frame = frameGeometry();
    move(placeOnScreen(frame, availableAround(frame)));
}

void FormWindow::showActualSize() {
    if (fullScreen_) {
        return;
    }
    setZoom(1);
    const QRect client = pixels(design::kClientArea);
    move(placeOnScreen(QRect(client.topLeft(), size()), availableAround(client)) +
         (pos() - geometry().topLeft()));
}

// The window as large as the form at its zoom, with the panel under it.
void FormWindow::fitWindowToForm() {
    const QSize form = surface_->formSize();
    const int panelWidth = panelShown() ? panel_->sizeHint().width() : 0;
    const QSize size(std::max(form.width(), panelWidth), form.height() + panelHeight());
    setMinimumSize(size);
    resize(size);
    placeSurface();
    showState();
}

// The largest zoom step at which the window, its frame and the panel fit
// the available part of the screen.
double FormWindow::largestZoom() const {
    const QRect frame = frameGeometry();
    const QSize frameExtra = frame.size() - size();
    const QSize room = availableAround(frame).size() - frameExtra - QSize(0, panelHeight());
    const QSize form = pixels(design::kClientArea).size();
    if (room.isEmpty()) {
        return host::kZoomSteps.back();  // no screen to fit
    }
    return host::largestFittingZoom(form.width(), form.height(), room.width(), room.height());
}

bool FormWindow::panelShown() const {
    return panel_ && !panel_->isHidden();
}

int FormWindow::panelHeight() const {
    return panelShown() ? panel_->sizeHint().height() : 0;
}

void FormWindow::setPanelShown(bool shown) {
    if (!panel_ && !shown) {
        return;
    }
    if (!panel_) {
        panel_ = new ClassroomPanel(*actions_, this);
        connect(panel_, &ClassroomPanel::biasChosen, this, &FormWindow::applyBias);
        panel_->followBias(surface_->textBox(kBiasTextBox)->text());
    }
    panel_->setVisible(shown);
    (*actions_)[host::Action::Panel]->setChecked(shown);
    if (fullScreen_) {
        placeSurface();
    } else {
        setZoom(zoom_);  // the window grows or shrinks by the panel, and the zoom may no longer fit
    }
    showState();
    emit panelToggled(shown);
}

void FormWindow::applyBias(const QString& text) {
    showUpdate(host_->applyBias(text.toStdString()));
}

void FormWindow::setFullScreen(bool on) {
    if (on == fullScreen_) {
        return;
    }
    // A window manager makes a full-screen window as large as its screen and
    // gives the normal one back; without one, the window does so itself, and
    // the window's state, which no one confirms there, is the window's own.
    fullScreen_ = on;
    if (on) {
        normalPlace_ = geometry();
        showFullScreen();
        if (QScreen* shownOn = screen()) {
            setGeometry(shownOn->geometry());
        }
    } else {
        showNormal();
        setGeometry(normalPlace_);
    }
    placeSurface();
    showState();
}

// In full screen the form is as large as fits the screen, in the middle;
// otherwise the surface is the whole window, at the chosen zoom.
void FormWindow::placeSurface() {
    const int panelTop = height() - panelHeight();
    if (panel_) {
        panel_->setGeometry(0, panelTop, width(), panelHeight());
    }
    if (!fullScreen_) {
        surface_->setAutoFillBackground(false);
        surface_->setZoom(zoom_);
        surface_->setGeometry(0, 0, width(), panelTop);
        badge_->placeIn(QRect(QPoint(0, 0), surface_->formSize()), zoom_);
        return;
    }
    const QSize design = pixels(design::kClientArea).size();
    const double fit = std::min(static_cast<double>(width()) / design.width(),
                                static_cast<double>(panelTop) / design.height());
    surface_->setZoom(fit);
    const QSize form = surface_->formSize().boundedTo(QSize(width(), panelTop));
    surface_->setGeometry(QRect(QPoint((width() - form.width()) / 2, (panelTop - form.height()) / 2), form));
    surface_->setAutoFillBackground(true);
    badge_->placeIn(surface_->geometry(), fit);
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
    const host::Status status = host_->status();
    actions_->showState(status.paused, status.speed, zoom_, fullScreen_);
    QStringList state;
    if (status.paused) {
        state << tr("Paused");
    }
    if (status.speed != 1) {
        state << tr("Speed %1").arg(speedText(status.speed));
    }
    if (zoom_ != 1) {
        state << tr("Zoom %1").arg(zoomText(zoom_));
    }
    if (status.behind) {
        state << QString::fromStdString(host_->wording().text("status", host::kBehindText));
    }
    shownBehind_ = status.behind;
    showStatusLines();
    const QString caption = designText(design::kWindowCaption);
    setWindowTitle(state.isEmpty() ? caption
                                   : state.join(QStringLiteral(", ")) + QStringLiteral(" – ") + caption);
}

// The status over the picture, or in the panel while it shows.
void FormWindow::showStatusLines() {
    const host::Status status = host_->status();
    const bool inPanel = panelShown();
    badge_->showLine(inPanel ? QString()
                             : QString::fromStdString(host::statusLine(status, host_->wording())));
    if (inPanel) {
        panel_->showStatus(
            QString::fromStdString(host::statusLine(status, host_->wording(), host::StatusUse::InThePanel)));
    }
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

// The run's set-up as the command line that starts the program with it.
void FormWindow::copySetUp() {
    QStringList command{QStringLiteral("kestrel")};
    for (const auto& [name, value] :
         host::setUpOptions(host::currentSetUp(host_->form(), host_->status(), zoom_))) {
        command << QStringLiteral("--") + QString::fromStdString(name);
        if (value) {
            command << QString::fromStdString(*value);
        }
    }
    QGuiApplication::clipboard()->setText(command.join(QLatin1Char(' ')));
}

void FormWindow::copyPicture() {
    QGuiApplication::clipboard()->setPixmap(surface_->grab(QRect(QPoint(0, 0), surface_->formSize())));
}

bool FormWindow::saveScript(const QString& path) {
    return writeFile(path, record());
}

QByteArray FormWindow::record() const {
    return QByteArray::fromStdString(host_->record());
}

bool FormWindow::exportReadouts(const QString& path) {
    return writeFile(path, QByteArray::fromStdString(host_->readouts().csv()));
}

bool FormWindow::openScript(const QString& path) {
    QByteArray script;
    if (const auto problem = readWholeFile(path, script, host::kMostScriptBytes)) {
        showMessage_(this, tr("Cannot read %1: %2").arg(path, *problem), false);
        return false;
    }
    replayScript(script, path);
    return true;
}

void FormWindow::replayScript(const QByteArray& script, const QString& source) {
    host_->beginOpening(script.toStdString(), source.toStdString());
    QProgressDialog progress(tr("Opening %1…").arg(source), tr("Cancel"), 0, kProgressSteps, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowOpeningProgressAfterMs);
    for (host::Opening opening; !opening.done;) {
        opening = host_->continueOpening(kTicksPerOpeningStep);
        progress.setValue(static_cast<int>(opening.progress * kProgressSteps));
        if (progress.wasCanceled()) {
            host_->cancelOpening();
            return;
        }
    }
    const host::Update update = host_->finishOpening();
    surface_->setForm(host_->form());
    showUpdate(update);
    showState();
}

IvChartWindow* FormWindow::showIvChart() {
    if (!ivChart_) {
        ivChart_ = new IvChartWindow(*actions_, this);
    }
    ivChart_->showReadouts(host_->readouts());
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
// has begun.
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
    if (fullScreen_) {
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
