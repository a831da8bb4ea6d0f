#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>
#include <array>
#include <vector>

#include "core/host/actions.h"

class QAction;
class QMenu;
class QWidget;

namespace kestrel::ui {

// The core's table of classroom actions as QActions on the window: each
// with the table's keys, which work wherever the focus is in the window
// (typing in a box included, and none of them types a character), and each
// an item of the diagram's context menu that shows its keys. The window
// connects them to what they do.
class ClassroomActions : public QObject {
    Q_OBJECT

public:
    explicit ClassroomActions(QWidget* window);

    // One action with what it does in plain words, for the keys dialog.
    struct Listed {
        QAction* action;
        QString what;
    };

    [[nodiscard]] QAction* operator[](host::Action action) const {
        return actions_.at(static_cast<std::size_t>(action));
    }
    [[nodiscard]] QMenu* menu() const { return menu_; }
    // Every action in the table's order.
    [[nodiscard]] const std::vector<Listed>& listed() const { return listed_; }

    // The items' texts follow the run: "Pause" or "Carry on", the speed and
    // the zoom.
    void showState(bool paused, double speed, double zoom, bool fullScreen);
    [[nodiscard]] double zoom() const { return zoom_; }

signals:
    // The window's zoom has changed to `zoom`.
    void zoomed(double zoom);

private:
    void buildMenu(QWidget* window);

    std::array<QAction*, host::kActions.size()> actions_{};
    QMenu* menu_ = nullptr;
    std::vector<Listed> listed_;
    double zoom_ = 1;
};

// An action's keys from the core's table, the one shown first.
QList<QKeySequence> actionKeys(host::Action action);

// The texts of the table's actions in the window's language.
QString actionText(const char* text);
// "¼×", "½×", "1×", "2×", "4×".
QString speedText(double speed);
// "100%", "125%", ...
QString zoomText(double zoom);

}  // namespace kestrel::ui
