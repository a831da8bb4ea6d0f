#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace kestrel::ui {

// The classroom controls as actions on the window: each has its keys, which
// work wherever the focus is in the window (typing in a box included, and
// none of them types a character), and each is an item of the diagram's
// context menu that shows its keys. The window connects them to what they do.
class ClassroomActions : public QObject {
    Q_OBJECT

public:
    explicit ClassroomActions(QWidget* window);

    // One action with what it does in plain words, for the keys dialog.
    struct Listed {
        QAction* action;
        QString what;
    };

    QAction* pause = nullptr;
    QAction* step = nullptr;
    QAction* slower = nullptr;
    QAction* faster = nullptr;
    QAction* zoomIn = nullptr;
    QAction* zoomOut = nullptr;
    QAction* actualSize = nullptr;
    QAction* fullScreen = nullptr;
    QAction* leaveFullScreen = nullptr;  // Escape; not in the menu
    QAction* savePicture = nullptr;
    QAction* copyPicture = nullptr;
    QAction* saveScript = nullptr;
    QAction* openScript = nullptr;
    QAction* exportReadouts = nullptr;
    QAction* ivChart = nullptr;
    QAction* keys = nullptr;

    [[nodiscard]] QMenu* menu() const { return menu_; }
    // Every action in menu order, then Escape.
    [[nodiscard]] const std::vector<Listed>& listed() const { return listed_; }

    // The items' texts follow the run: "Pause" or "Resume", the speed and
    // the zoom.
    void showState(bool paused, double speed, double zoom, bool fullScreen);

private:
    QAction* add(const QString& item, const QString& what, const QList<QKeySequence>& keys);
    void buildMenu(QWidget* window);

    QWidget* window_;
    QMenu* menu_ = nullptr;
    std::vector<Listed> listed_;
};

// "¼×", "½×", "1×", "2×", "4×".
QString speedText(double speed);
// "100%", "125%", ...
QString zoomText(double zoom);

}  // namespace kestrel::ui
