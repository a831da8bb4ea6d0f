#include "ui/form_surface.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>
#include <vector>

#include "core/form/design.h"
#include "core/picture/form_picture.h"
#include "ui/chart_view.h"
#include "ui/core_texts.h"
#include "ui/form_accessible.h"
#include "ui/letter_font.h"
#include "ui/qt_canvas.h"
#include "ui/twips.h"
#include "ui/zoom.h"

namespace kestrel::ui {

FormSurface::FormSurface(const Form1& form, QWidget* parent)
    : QWidget(parent), form_(&form), designFont_(font()), letterFont_(letterFont()) {
    // A desktop with larger default text would spill the captions out of
    // their boxes.
    designFont_.setPointSizeF(design::kDefaultFont.points);
    setFont(designFont_);
    installFormAccessibility();
    createTextBoxes();
    createButtons();
    picture_ = new ChartView(form, this);
    picture_->setObjectName(design::kPicture1.name);
    picture_->setAccessibleName(boxName(design::kPicture1.caption));
    layOut();
    chainTabOrder();
}

void FormSurface::createTextBoxes() {
    for (std::size_t i = 0; i < design::kTextBoxes.size(); ++i) {
        const design::TextBoxDesign& layout = design::kTextBoxes[i];
        auto* edit = new QLineEdit(QString::fromUtf8(layout.text), this);
        edit->setObjectName(layout.name);
        edit->setAccessibleName(boxName(layout.caption));
        edit->setEnabled(layout.enabled);
        textBoxes_[i] = edit;
    }
}

void FormSurface::createButtons() {
    for (std::size_t i = 0; i < design::kButtons.size(); ++i) {
        const design::ButtonDesign& layout = design::kButtons[i];
        auto* push = new QPushButton(designText(layout.caption), this);
        push->setObjectName(layout.name);
        // Enter clicks the button that has the focus; no button is the
        // window's default.
        push->setAutoDefault(true);
        buttons_[i] = push;
    }
}

void FormSurface::chainTabOrder() {
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

void FormSurface::layOut() {
    for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
        textBoxes_[i]->setGeometry(pixels(design::kTextBoxes[i].box, zoom_));
    }
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setGeometry(pixels(design::kButtons[i].box, zoom_));
    }
    picture_->setGeometry(pixels(design::kPicture1.box, zoom_));
    picture_->setZoom(zoom_);
    // Once the window has taken its size for the zoom: until then a control
    // that the zoom moves past the old size has not left the view.
    QMetaObject::invokeMethod(this, &FormSurface::showWhatIsInView, Qt::QueuedConnection);
}

// A control out of view can be neither seen nor reached: hidden, it is no
// Tab stop and screen readers do not report it as showing. Shown again, it
// takes its designed place in the Tab order.
void FormSurface::showWhatIsInView() {
    if (!testAttribute(Qt::WA_Resized)) {
        return;  // not laid out in its window yet
    }
    std::vector<QWidget*> controls(textBoxes_.begin(), textBoxes_.end());
    controls.insert(controls.end(), buttons_.begin(), buttons_.end());
    controls.push_back(picture_);
    for (QWidget* control : controls) {
        const bool inView = rect().intersects(control->geometry());
        control->setFocusPolicy(inView ? Qt::StrongFocus : Qt::NoFocus);
        if (control->isHidden() == inView) {
            control->setVisible(inView);
        }
    }
}

void FormSurface::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showWhatIsInView();
}

void FormSurface::setForm(const Form1& form) {
    form_ = &form;
    painted_ = picture::PaintedItems();
    picture_->setForm(form);
    update();
}

void FormSurface::setZoom(double zoom) {
    if (zoom == zoom_) {
        return;
    }
    zoom_ = zoom;
    QFont zoomed = designFont_;
    zoomed.setPointSizeF(designFont_.pointSizeF() * zoom);
    setFont(zoomed);
    layOut();
    update();
}

QSize FormSurface::formSize() const {
    return pixels(design::kClientArea, zoom_).size();
}

void FormSurface::showChanges() {
    update(zoomedArea(qtRect(painted_.takeChanges(*form_)), zoom_, rect()));
    picture_->update();
}

void FormSurface::paintEvent(QPaintEvent* event) {
    if (firstPaint_) {
        std::exchange(firstPaint_, nullptr)();
    }
    QPainter painter(this);
    if (zoom_ != 1) {
        painter.scale(zoom_, zoom_);
    }
    QtCanvas canvas(painter, designFont_, letterFont_, dotSprites_, event->region());
    picture::drawForm(canvas, *form_, translateCoreText);
}

void FormSurface::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse && childAt(event->pos())) {
        event->ignore();
        return;
    }
    emit menuWanted(event->globalPos());
}

}  // namespace kestrel::ui
