#pragma once

#include <QLabel>

namespace kestrel::ui {

// The run's status in large letters over the picture's top right corner
// ("Paused · 2× · 01:05"), for a class at the back of the room and in full
// screen, where the title bar is gone. It lets the mouse through to the
// picture, and hides itself when there is nothing to say.
class StatusBadge : public QLabel {
    Q_OBJECT

public:
    explicit StatusBadge(QWidget* parent);

    void showLine(const QString& line);
    // Places the badge inside `picture` (window coordinates), in letters
    // `scale` times their size at zoom 1.
    void placeIn(const QRect& picture, double scale);

private:
    QRect picture_;
};

}  // namespace kestrel::ui
