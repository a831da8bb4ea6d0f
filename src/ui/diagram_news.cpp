#include "ui/diagram_news.h"

#include <QAccessible>
#include <QLineEdit>

#include "ui/core_texts.h"

namespace kestrel::ui {
namespace {

// The facts that change the description's words; not the carrier counts.
picture::DiagramFacts newsworthy(const Form1& form) {
    picture::DiagramFacts facts = picture::diagramFacts(form);
    facts.electrons = 0;
    facts.holes = 0;
    return facts;
}

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

void DiagramNews::afterEvent(const Form1& form, std::size_t readouts) {
    picture::DiagramFacts facts = newsworthy(form);
    const bool newReadout = readouts > readouts_;
    readouts_ = readouts;
    if (newReadout) {
        QAccessibleValueChangeEvent value(readoutBox_, QString::fromStdString(form.Text7.Text));
        QAccessible::updateAccessibility(&value);
        if (facts.setUp) {
            announce(diagram_, readoutText(form.Text7.Text));
        }
    }
    if (newReadout || facts != told_) {
        told_ = std::move(facts);
        QAccessibleEvent changed(diagram_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

}  // namespace kestrel::ui
