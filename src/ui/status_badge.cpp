#include "ui/status_badge.h"

namespace kestrel::ui {
namespace {

constexpr double kPoints = 14;
constexpr int kMargin = 6;
const char* const kLook =
    "background: rgba(32, 32, 32, 200); color: white; border-radius: 6px; padding: 4px 10px;";

}  // namespace

StatusBadge::StatusBadge(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QString::fromLatin1(kLook));
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void StatusBadge::showLine(const QString& line) {
    if (line != text()) {
        setText(line);
        adjustSize();
        placeIn(picture_, font().pointSizeF() / kPoints);
    }
    setVisible(!line.isEmpty());
    raise();
}

void StatusBadge::placeIn(const QRect& picture, double scale) {
    picture_ = picture;
    QFont large = font();
    large.setPointSizeF(kPoints * scale);
    large.setBold(true);
    if (large != font()) {
        setFont(large);
        adjustSize();
    }
    const int margin = static_cast<int>(kMargin * scale);
    move(picture.right() - width() - margin, picture.top() + margin);
}

}  // namespace kestrel::ui
