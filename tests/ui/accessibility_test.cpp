#include <QtGui/private/qguiapplication_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <vector>

#include "ui/chart_view.h"
#include "ui/form_surface.h"
#include "ui/form_window.h"

// What a screen reader finds, through Qt's accessibility interfaces (the ones
// the desktop's accessibility bus serves): names, roles, descriptions,
// states, and the events a run sends.
namespace kestrel::ui {
namespace {

struct Heard {
    QAccessible::Event type;
    QObject* object;
    QString value;
};

std::vector<Heard> heard;

void listen(QAccessibleEvent* event) {
    QString value;
    if (event->type() == QAccessible::ValueChanged) {
        value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    }
    heard.push_back({event->type(), event->object(), value});
}

class AccessibilityTest : public ::testing::Test {
protected:
    AccessibilityTest() {
        screenReaderRuns(true);
        previous_ = QAccessible::installUpdateHandler(listen);
        window.setPaused(true);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        heard.clear();
    }
    ~AccessibilityTest() override {
        QAccessible::installUpdateHandler(previous_);
        screenReaderRuns(false);
    }
    AccessibilityTest(const AccessibilityTest&) = delete;
    AccessibilityTest& operator=(const AccessibilityTest&) = delete;

    // Qt sends events only while a screen reader listens; the desktop's
    // bridge says so through the platform, as Qt's own tests do here.
    static void screenReaderRuns(bool runs) {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(runs);
    }

    static QAccessibleInterface* of(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
    QAccessibleInterface* diagram() const { return of(window.surface()); }
    QString description() const { return diagram()->text(QAccessible::Description); }

    // The diagram's children that are static text, by name.
    std::vector<QAccessibleInterface*> labels() const {
        std::vector<QAccessibleInterface*> found;
        for (int i = 0; i < diagram()->childCount(); ++i) {
            QAccessibleInterface* child = diagram()->child(i);
            if (child->role() == QAccessible::StaticText) {
                found.push_back(child);
            }
        }
        return found;
    }

    bool wasHeard(QAccessible::Event type, QObject* object) const {
        return std::any_of(heard.begin(), heard.end(),
                           [&](const Heard& h) { return h.type == type && h.object == object; });
    }

    FormWindow window{[](QWidget*, const QString&, bool) {}};

private:
    QAccessible::UpdateHandler previous_ = nullptr;
};

TEST_F(AccessibilityTest, TheWindowAndItsDiagramAreNamedAndTheNoticeIsText) {
    QAccessibleInterface* top = of(&window);
    EXPECT_EQ(top->role(), QAccessible::Window);
    EXPECT_TRUE(top->text(QAccessible::Name).endsWith(QString::fromUtf8("Kestrel Sim\u3000Ver.\u03b2")));
    EXPECT_EQ(diagram()->role(), QAccessible::Canvas);
    EXPECT_EQ(diagram()->text(QAccessible::Name), "Band diagram of the p-n junction");
    EXPECT_EQ(diagram()->parent()->object(), &window);
    EXPECT_EQ(of(window.textBox(4))->text(QAccessible::Name), "Bias (V)");

    const auto texts = labels();
    const auto notice = std::find_if(texts.begin(), texts.end(), [](QAccessibleInterface* label) {
        return label->text(QAccessible::Name).contains("the current value is not correct");
    });
    ASSERT_NE(notice, texts.end());
    EXPECT_FALSE((*notice)->state().invisible);
    EXPECT_EQ((*notice)->parent(), diagram());
    EXPECT_EQ(diagram()->child(diagram()->indexOfChild(*notice)), *notice);
    // The diagram's letters are told by the description, not read one by one.
    EXPECT_TRUE(std::none_of(texts.begin(), texts.end(), [](QAccessibleInterface* label) {
        return label->text(QAccessible::Name) == "E";
    }));
}

TEST_F(AccessibilityTest, WhatLiesBelowTheWindowIsNotShowingUntilTheWindowGrows) {
    const std::vector<QWidget*> below{window.textBox(1), window.textBox(5), window.textBox(6),
                                      window.picture()};
    for (QWidget* control : below) {
        EXPECT_TRUE(of(control)->state().invisible) << control->objectName().toStdString();
        EXPECT_FALSE(of(control)->state().focusable) << control->objectName().toStdString();
    }
    const auto temperature = [this] {
        for (QAccessibleInterface* label : labels()) {
            if (label->text(QAccessible::Name) == QString::fromUtf8("\u6e29\u5ea6(K)")) {
                return label;
            }
        }
        return static_cast<QAccessibleInterface*>(nullptr);
    };
    ASSERT_NE(temperature(), nullptr);
    EXPECT_TRUE(temperature()->state().offscreen);

    window.resize(605, 620);
    for (QWidget* control : below) {
        EXPECT_FALSE(of(control)->state().invisible) << control->objectName().toStdString();
        EXPECT_TRUE(of(control)->state().focusable) << control->objectName().toStdString();
    }
    EXPECT_FALSE(temperature()->state().offscreen);
}

TEST_F(AccessibilityTest, TheDescriptionFollowsTheRunAndANewReadoutIsTold) {
    EXPECT_TRUE(description().startsWith("The bands without bias")) << description().toStdString();

    window.typeText(4, "0.3");
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    EXPECT_TRUE(
        description().startsWith("Bias 0.3 V, forward: the barrier is lowered. Electrons: 80, holes: 80."))
        << description().toStdString();
    EXPECT_TRUE(wasHeard(QAccessible::DescriptionChanged, window.surface()));

    heard.clear();
    window.perform(host::Action::Step);  // the counts change without news of their own
    EXPECT_FALSE(wasHeard(QAccessible::DescriptionChanged, window.surface()));

    window.formForTests().CrossCount = 42;
    window.tickTimer(2);
    EXPECT_TRUE(description().endsWith("Current (mA): 42.")) << description().toStdString();
    EXPECT_TRUE(wasHeard(QAccessible::DescriptionChanged, window.surface()));
    const auto value = std::find_if(heard.begin(), heard.end(),
                                    [](const Heard& h) { return h.type == QAccessible::ValueChanged; });
    ASSERT_NE(value, heard.end());
    EXPECT_EQ(value->object, window.textBox(7));
    EXPECT_EQ(value->value, "42");
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    EXPECT_TRUE(wasHeard(QAccessible::Announcement, window.surface()));
#endif

    window.typeText(4, "-0.5");
    QTest::mouseClick(window.button(3), Qt::LeftButton);
    EXPECT_TRUE(description().startsWith("Bias -0.5 V, reverse: the barrier is raised."))
        << description().toStdString();
}

}  // namespace
}  // namespace kestrel::ui
