#include "ui/classroom_actions.h"

#include <QAction>
#include <QMenu>
#include <QWidget>
#include <cmath>

namespace kestrel::ui {
namespace {

constexpr int kPercent = 100;

}  // namespace

ClassroomActions::ClassroomActions(QWidget* window) : QObject(window), window_(window) {
    pause = add(tr("Pause"), tr("Pause or resume the run"), {QKeySequence(tr("Alt+K"))});
    step = add(tr("One step"), tr("One step (50 ms of the run) while paused"), {QKeySequence(tr("Alt+L"))});
    slower = add(tr("Slower"), tr("Slower: ¼×, ½×, 1×, 2×, 4×"), {QKeySequence(tr("Alt+-"))});
    faster = add(tr("Faster"), tr("Faster"), {QKeySequence(tr("Alt++")), QKeySequence(tr("Alt+="))});
    zoomIn = add(tr("Zoom in"), tr("Zoom in: 100% to 400%"),
                 {QKeySequence(tr("Ctrl+=")), QKeySequence(tr("Ctrl++"))});
    zoomOut = add(tr("Zoom out"), tr("Zoom out"), {QKeySequence(tr("Ctrl+-"))});
    actualSize = add(tr("Actual size"), tr("Actual size (100%)"), {QKeySequence(tr("Ctrl+0"))});
    fullScreen =
        add(tr("Full screen"), tr("Full screen, the window scaled to fit"), {QKeySequence(tr("F11"))});
    savePicture =
        add(tr("Save picture as PNG…"), tr("Save the picture as PNG"), {QKeySequence(tr("Ctrl+Shift+S"))});
    copyPicture = add(tr("Copy picture"), tr("Copy the picture"), {QKeySequence(tr("Ctrl+Shift+C"))});
    saveScript = add(tr("Save run as script…"), tr("Save the run as a script"), {QKeySequence(tr("Ctrl+S"))});
    openScript = add(tr("Open saved script…"), tr("Open a saved script and go on from its end"),
                     {QKeySequence(tr("Ctrl+O"))});
    exportReadouts = add(tr("Export readouts as CSV…"), tr("Export the readouts as CSV"),
                         {QKeySequence(tr("Ctrl+Shift+E"))});
    ivChart =
        add(tr("I–V chart"), tr("The current against the bias (I–V chart)"), {QKeySequence(tr("Ctrl+I"))});
    keys = add(tr("Keys"), tr("This list of keys"), {QKeySequence(tr("F1"))});
    leaveFullScreen =
        add(tr("Leave full screen"), tr("Leave full screen (or F11 again)"), {QKeySequence(tr("Esc"))});
    fullScreen->setCheckable(true);
    buildMenu(window);
    showState(false, 1, 1, false);
}

QAction* ClassroomActions::add(const QString& item, const QString& what, const QList<QKeySequence>& keys) {
    auto* action = new QAction(item, window_);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setShortcutVisibleInContextMenu(true);
    window_->addAction(action);
    listed_.push_back({action, what});
    return action;
}

void ClassroomActions::buildMenu(QWidget* window) {
    menu_ = new QMenu(window);
    menu_->addActions({pause, step, slower, faster});
    menu_->addSeparator();
    menu_->addActions({zoomIn, zoomOut, actualSize, fullScreen});
    menu_->addSeparator();
    menu_->addActions({savePicture, copyPicture});
    menu_->addSeparator();
    menu_->addActions({saveScript, openScript, exportReadouts, ivChart});
    menu_->addSeparator();
    menu_->addAction(keys);
}

void ClassroomActions::showState(bool paused, double speed, double zoom, bool isFullScreen) {
    pause->setText(paused ? tr("Resume") : tr("Pause"));
    slower->setText(tr("Slower (now %1)").arg(speedText(speed)));
    faster->setText(tr("Faster (now %1)").arg(speedText(speed)));
    zoomIn->setText(tr("Zoom in (now %1)").arg(zoomText(zoom)));
    fullScreen->setChecked(isFullScreen);
}

QString speedText(double speed) {
    if (speed == 0.25) {
        return QStringLiteral("¼×");
    }
    if (speed == 0.5) {
        return QStringLiteral("½×");
    }
    return QStringLiteral("%1×").arg(speed);
}

QString zoomText(double zoom) {
    return QStringLiteral("%1%").arg(std::lround(zoom * kPercent));
}

}  // namespace kestrel::ui
