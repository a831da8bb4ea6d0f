#include "ui/classroom_actions.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QWidget>

#include "core/host/status_text.h"

namespace kestrel::ui {

ClassroomActions::ClassroomActions(QWidget* window) : QObject(window) {
    for (const host::ActionDesign& design : host::kActions) {
        auto* action = new QAction(actionText(design.caption), window);
        action->setShortcuts(actionKeys(design.action));
        action->setShortcutContext(Qt::WindowShortcut);
        action->setShortcutVisibleInContextMenu(true);
        window->addAction(action);
        actions_.at(static_cast<std::size_t>(design.action)) = action;
        listed_.push_back({action, actionText(design.what)});
    }
    (*this)[host::Action::FullScreen]->setCheckable(true);
    (*this)[host::Action::Panel]->setCheckable(true);
    buildMenu(window);
    showState(false, 1, 1, false);
}

void ClassroomActions::buildMenu(QWidget* window) {
    menu_ = new QMenu(window);
    for (const host::ActionDesign& design : host::kActions) {
        if (design.shown == host::Shown::KeysOnly) {
            continue;
        }
        if (design.shown == host::Shown::StartsGroup) {
            menu_->addSeparator();
        }
        menu_->addAction((*this)[design.action]);
    }
}

void ClassroomActions::showState(bool paused, double speed, double zoom, bool isFullScreen) {
    const auto& pause = host::actionDesign(host::Action::Pause);
    (*this)[host::Action::Pause]->setText(actionText(paused ? pause.captionWhenOn : pause.caption));
    for (const host::Action action : {host::Action::Slower, host::Action::Faster}) {
        (*this)[action]->setText(actionText(host::actionDesign(action).caption).arg(speedText(speed)));
    }
    (*this)[host::Action::ZoomIn]->setText(
        actionText(host::actionDesign(host::Action::ZoomIn).caption).arg(zoomText(zoom)));
    (*this)[host::Action::FullScreen]->setChecked(isFullScreen);
    if (zoom != zoom_) {
        zoom_ = zoom;
        emit zoomed(zoom);
    }
}

QList<QKeySequence> actionKeys(host::Action action) {
    QList<QKeySequence> keys;
    for (const char* key : host::actionDesign(action).keys) {
        if (key != nullptr) {
            keys << QKeySequence(QString::fromLatin1(key));
        }
    }
    return keys;
}

QString actionText(const char* text) {
    return QCoreApplication::translate("actions", text);
}

QString speedText(double speed) {
    return QString::fromStdString(host::speedText(speed));
}

QString zoomText(double zoom) {
    return QString::fromStdString(host::zoomText(zoom));
}

}  // namespace kestrel::ui
