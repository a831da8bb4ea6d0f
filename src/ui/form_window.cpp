#include "ui/form_window.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <string_view>
#include <vector>

#include "core/form/design.h"
#include "core/numbers/run_time_error.h"
#include "core/picture/form_picture.h"
#include "ui/chart_view.h"
#include "ui/letter_font.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"

namespace kestrel::ui {

FormWindow::FormWindow(MessageSink showMessage, QWidget* parent)
    : QWidget(parent), showMessage_(std::move(showMessage)), letterFont_(letterFont()) {
    setWindowTitle(QString::fromUtf8(design::kWindowCaption));
    // A desktop with larger default text would spill the captions out of
    // their boxes.
    QFont designFont = font();
    designFont.setPointSizeF(design::kDefaultFont.points);
    setFont(designFont);
    const QRect client = pixels(design::kClientArea);
    setGeometry(client);
    setMinimumSize(client.size());

    createTextBoxes();
    createButtons();
    picture_ = new ChartView(form_, this);
    picture_->setObjectName(design::kPicture1.name);
    picture_->setAccessibleName(QString::fromUtf8(design::kPicture1.caption));
    picture_->setGeometry(pixels(design::kPicture1.box));
    createTimers();
    chainTabOrder();

    runEvent([this] { form_.Form_Load(); });
    button(1)->setFocus();
}

void FormWindow::createTextBoxes() {
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        const design::TextBoxDesign& layout = design::kTextBoxes[i];
        TextBoxItem& item = form_.*layout.member;
        auto* edit = new QLineEdit(QString::fromStdString(item.Text), this);
        edit->setObjectName(layout.name);
        edit->setAccessibleName(QString::fromUtf8(layout.caption));
        edit->setGeometry(pixels(layout.box));
        edit->setEnabled(item.Enabled);
        connect(edit, &QLineEdit::textEdited, this,
                [&item](const QString& text) { item.Text = text.toStdString(); });
        textBoxes_[i] = edit;
        textBoxItems_[i] = &item;
    }
}

void FormWindow::createButtons() {
    for (std::size_t i = 0; i < design::kButtons.size(); ++i) {
        const design::ButtonDesign& layout = design::kButtons[i];
        const auto click = layout.click;
        auto* push = new QPushButton(QString::fromUtf8(layout.caption), this);
        push->setObjectName(layout.name);
        push->setGeometry(pixels(layout.box));
        // Enter clicks the button that has the focus; no button is the
        // window's default.
        push->setAutoDefault(true);
        connect(push, &QPushButton::clicked, this,
                [this, click] { runEvent([this, click] { (form_.*click)(); }); });
        buttons_[i] = push;
    }
}

void FormWindow::createTimers() {
    for (std::size_t i = 0; i < design::kTimers.size(); ++i) {
        const design::TimerDesign& event = design::kTimers[i];
        auto* timer = new QTimer(this);
        timer->setObjectName(event.name);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval((form_.*event.member).Interval);
        connect(timer, &QTimer::timeout, this, [this, &event] {
            timed(event.name, [this, &event] { runEvent([this, &event] { tick(form_, event); }); });
        });
        timers_[i] = timer;
    }
}

void FormWindow::chainTabOrder() {
    struct Stop {
        int tabIndex;
        QWidget* widget;
    };
    std::vector<Stop> stops{{design::kPicture1.tabIndex, picture_}};
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        stops.push_back({design::kTextBoxes[i].tabIndex, textBoxes_[i]});
    }
    for (std::size_t i = 0; i < design::kButtons.size(); ++i) {
        stops.push_back({design::kButtons[i].tabIndex, buttons_[i]});
    }
    std::sort(stops.begin(), stops.end(),
              [](const Stop& a, const Stop& b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1].widget, stops[i].widget);
    }
}

void FormWindow::runEvent(const std::function<void()>& procedure) {
    try {
        procedure();
    } catch (const RunTimeError& error) {
        if (error.fatal()) {
            stopTimers();
            showMessage_(
                this, tr("Run-time error: %1. The program ends.").arg(QString::fromUtf8(error.what())), true);
            endProgram(1);
            return;
        }
        mirrorForm();
        showMessage_(this, QString::fromUtf8(error.what()), false);
        return;
    }
    mirrorForm();
}

void FormWindow::mirrorForm() {
    if (form_.ended()) {
        endProgram(0);
        return;
    }
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        const TextBoxItem& item = *textBoxItems_[i];
        const QString text = QString::fromStdString(item.Text);
        if (textBoxes_[i]->text() != text) {
            textBoxes_[i]->setText(text);
        }
        textBoxes_[i]->setEnabled(item.Enabled);
    }
    for (std::size_t i = 0; i < timers_.size(); ++i) {
        const bool enabled = (form_.*design::kTimers[i].member).Enabled;
        if (enabled && !timers_[i]->isActive()) {
            timers_[i]->start();
        } else if (!enabled && timers_[i]->isActive()) {
            timers_[i]->stop();
        }
    }
    update(painted_.takeChanges(form_));
    picture_->update();
}

void FormWindow::stopTimers() {
    for (QTimer* timer : timers_) {
        timer->stop();
    }
}

void FormWindow::endProgram(int status) {
    stopTimers();
    hide();
    QCoreApplication::exit(status);
}

void FormWindow::timed(const char* what, const std::function<void()>& work) {
    if (frameLog_) {
        frameLog_->time(what, work);
    } else {
        work();
    }
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

void FormWindow::paintEvent(QPaintEvent* event) {
    if (frameLog_ && frameLog_->isFirstPaint()) {
        // Runs once this repaint has been put on the screen.
        QTimer::singleShot(0, this, [this] { frameLog_->firstPaintShown(); });
    }
    QPainter painter(this);
    QtCanvas canvas(painter, font(), letterFont_, dotSprites_, event->region());
    picture::drawForm(canvas, form_);
}

void FormWindow::showMessageBox(QWidget* parent, const QString& text, bool fatal) {
    const QString title = QString::fromUtf8(design::kWindowCaption);
    if (fatal) {
        QMessageBox::critical(parent, title, text);
    } else {
        QMessageBox::warning(parent, title, text);
    }
}

}  // namespace kestrel::ui
