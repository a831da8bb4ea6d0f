#include "ui/form_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <vector>

#include "core/form/design.h"
#include "ui/core_texts.h"
#include "ui/form_surface.h"
#include "ui/twips.h"

namespace kestrel::ui {
namespace {

// A label painted on the surface, as static text. It lives as long as the
// surface's interface, which registers it.
class LabelAccessible : public QAccessibleInterface {
public:
    LabelAccessible(FormSurface* surface, const design::LabelDesign& label)
        : surface_(surface), label_(label) {}

    [[nodiscard]] bool isValid() const override { return !surface_.isNull(); }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return surface_->window()->windowHandle(); }
    [[nodiscard]] QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(surface_);
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? designText(label_.caption) : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    [[nodiscard]] QRect rect() const override {
        const QRect box = area();
        return {surface_->mapToGlobal(box.topLeft()), box.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::StaticText; }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        state.invisible = !surface_->isVisible() || !surface_->rect().intersects(area());
        state.offscreen = state.invisible;
        return state;
    }

private:
    [[nodiscard]] QRect area() const { return pixels(label_.box, surface_->zoom()); }

    QPointer<FormSurface> surface_;
    const design::LabelDesign& label_;
};

// The labels a screen reader reads: the worded ones. The single letters are
// the diagram's symbols, which the description tells.
std::vector<const design::LabelDesign*> wordedLabels() {
    std::vector<const design::LabelDesign*> labels;
    for (const design::LabelDesign& label : design::kLabels) {
        if (QString::fromUtf8(label.caption).size() > 1) {
            labels.push_back(&label);
        }
    }
    return labels;
}

// The surface: the band diagram with its controls and labels.
class DiagramAccessible : public QAccessibleWidget {
public:
    explicit DiagramAccessible(FormSurface* surface)
        : QAccessibleWidget(surface, QAccessible::Canvas), surface_(surface), labels_(wordedLabels()) {}
    ~DiagramAccessible() override {
        for (const QAccessible::Id id : ids_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    DiagramAccessible(const DiagramAccessible&) = delete;
    DiagramAccessible& operator=(const DiagramAccessible&) = delete;

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && surface_->accessibleName().isEmpty()) {
            return diagramName();
        }
        if (kind == QAccessible::Description) {
            return diagramDescription(surface_->form());
        }
        return QAccessibleWidget::text(kind);
    }

    // The widgets first, then the labels.
    [[nodiscard]] int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(labels_.size());
    }
    [[nodiscard]] QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) {
            return QAccessibleWidget::child(index);
        }
        const auto label = static_cast<std::size_t>(index - widgets);
        return label < labels_.size() ? labelInterface(label) : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids_.size(); ++i) {
            if (ids_[i] && QAccessible::accessibleInterface(ids_[i]) == child) {
                return QAccessibleWidget::childCount() + static_cast<int>(i);
            }
        }
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QAccessibleInterface* labelInterface(std::size_t label) const {
        ids_.resize(labels_.size());
        if (!ids_[label]) {
            ids_[label] =
                QAccessible::registerAccessibleInterface(new LabelAccessible(surface_, *labels_[label]));
        }
        return QAccessible::accessibleInterface(ids_[label]);
    }

    FormSurface* surface_;
    std::vector<const design::LabelDesign*> labels_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* formInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("kestrel::ui::FormSurface")) {
        return new DiagramAccessible(static_cast<FormSurface*>(object));
    }
    if (className == QLatin1String("kestrel::ui::FormWindow")) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

void installFormAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(formInterface);
        return true;
    }();
    (void)installed;
}

}  // namespace kestrel::ui
