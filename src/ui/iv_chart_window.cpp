#include "ui/iv_chart_window.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/form/design.h"
#include "core/picture/readout_points.h"
#include "ui/classroom_actions.h"
#include "ui/core_texts.h"
#include "ui/iv_chart_view.h"

namespace kestrel::ui {
namespace {

constexpr QSize kSmallest(320, 280);

QSize chartSize() {
    return {static_cast<int>(picture::kReadoutChartSize.width),
            static_cast<int>(picture::kReadoutChartSize.height)};
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

IvChartWindow::IvChartWindow(ClassroomActions& actions, QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(tr("I–V chart – %1").arg(designText(design::kWindowCaption)));
    QFont designFont = font();
    designFont.setPointSizeF(design::kDefaultFont.points);
    setFont(designFont);

    view_ = new IvChartView(this);
    // The keys reach the window through the chart.
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setAccessibleName(windowTitle());
    clear_ = new QPushButton(actions[host::Action::ClearChart]->text(), this);
    clear_->setFocusPolicy(Qt::TabFocus);
    connect(clear_, &QPushButton::clicked, actions[host::Action::ClearChart], &QAction::trigger);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(clear_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    buttons->setContentsMargins(style()->pixelMetric(QStyle::PM_LayoutLeftMargin), 0,
                                style()->pixelMetric(QStyle::PM_LayoutRightMargin),
                                style()->pixelMetric(QStyle::PM_LayoutBottomMargin));

    view_->setFocus();
    shareActions(actions);
    setMinimumSize(kSmallest);
    resize(chartSize() + QSize(0, layout->sizeHint().height() - view_->sizeHint().height()));
    followZoom(actions.zoom());
    connect(&actions, &ClassroomActions::zoomed, this, &IvChartWindow::followZoom);
}

// The form's keys, but saving and copying a picture here mean the chart.
void IvChartWindow::shareActions(ClassroomActions& actions) {
    for (const host::ActionDesign& design : host::kActions) {
        if (design.action != host::Action::SavePicture && design.action != host::Action::CopyPicture) {
            addAction(actions[design.action]);
        }
    }
    addPictureAction(host::Action::SavePicture, [this] {
        const QString path = chooseFile_(this, FileUse::SaveChart);
        if (!path.isEmpty()) {
            savePicture(path);
        }
    });
    addPictureAction(host::Action::CopyPicture, [this] { copyPicture(); });
}

void IvChartWindow::addPictureAction(host::Action action, const std::function<void()>& act) {
    auto* picture = new QAction(actionText(host::actionDesign(action).caption), this);
    picture->setShortcuts(actionKeys(action));
    picture->setShortcutContext(Qt::WindowShortcut);
    connect(picture, &QAction::triggered, this, act);
    addAction(picture);
}

// The window grows and shrinks with the form's zoom, and the chart and
// the button in it.
void IvChartWindow::followZoom(double zoom) {
    const double ratio = zoom / zoom_;
    zoom_ = zoom;
    QFont buttonFont = font();
    buttonFont.setPointSizeF(design::kDefaultFont.points * zoom);
    clear_->setFont(buttonFont);
    setMinimumSize(kSmallest * zoom);
    resize(size() * ratio);
}

void IvChartWindow::showReadouts(const session::ReadoutLog& readouts) {
    view_->showPoints(picture::chartPoints(readouts));
}

bool IvChartWindow::savePicture(const QString& path) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const QByteArray bytes = svg ? QByteArray::fromStdString(view_->svg()) : png(view_->image());
    if (const auto problem = writeWholeFile(path, bytes)) {
        QMessageBox::warning(this, windowTitle(), tr("Cannot write %1: %2").arg(path, *problem));
        return false;
    }
    return true;
}

void IvChartWindow::copyPicture() {
    QGuiApplication::clipboard()->setImage(view_->image());
}

}  // namespace kestrel::ui
