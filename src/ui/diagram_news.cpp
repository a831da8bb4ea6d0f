#include "ui/diagram_news.h"

#include <QAccessible>
#include <QLineEdit>

namespace kestrel::ui {
namespace {

void announce(QWidget* diagram, const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(diagram, message);
    QAccessible::updateAccessibility(&announcement);
#else
    (void)diagram;
    (void)message;
#endif
}

}  // namespace

void DiagramNews::afterEvent(const Form1& form, std::size_t readouts, const host::Wording& wording) {
    const host::News news = news_.afterEvent(form, readouts, wording);
    if (news.newReadout) {
        QAccessibleValueChangeEvent value(readoutBox_, QString::fromStdString(form.Text7.Text));
        QAccessible::updateAccessibility(&value);
    }
    if (news.announcement) {
        announce(diagram_, QString::fromStdString(*news.announcement));
    }
    if (news.descriptionChanged) {
        QAccessibleEvent changed(diagram_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace kestrel::ui
