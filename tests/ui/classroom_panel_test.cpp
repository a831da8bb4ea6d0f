#include "ui/classroom_panel.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <memory>

#include "ui/classroom_actions.h"
#include "ui/form_surface.h"
#include "ui/form_window.h"
#include "ui/status_badge.h"

// The classroom panel, the status over the picture and the zoom's bounds,
// as a teacher meets them: by mouse, keys and touch on the shown window.
namespace kestrel::ui {
namespace {

class PanelTest : public ::testing::Test {
protected:
    PanelTest() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        window.setPaused(true);
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    QSlider& slider() { return *window.panel()->slider(); }
    QPushButton* panelButton(const QString& caption) {
        for (auto* button : window.panel()->findChildren<QPushButton*>()) {
            if (button->text() == caption) {
                return button;
            }
        }
        return nullptr;
    }
    QPoint sliderPoint(int hundredths) {
        const double share =
            (hundredths - slider().minimum()) / double(slider().maximum() - slider().minimum());
        return {static_cast<int>(share * slider().width()), slider().height() / 2};
    }

    FormWindow window{[](QWidget*, const QString&, bool) {}};
};

TEST_F(PanelTest, TheStatusShowsOverThePictureOnlyWhileTheRunDiffersFromAPlainOne) {
    ASSERT_TRUE(window.statusBadge()->isVisible());
    EXPECT_EQ(window.statusBadge()->text(), "Paused · 00:00");
    EXPECT_TRUE(QRect(QPoint(0, 0), window.surface()->formSize()).contains(window.statusBadge()->geometry()));
    window.setPaused(false);
    EXPECT_FALSE(window.statusBadge()->isVisible());
    press(Qt::Key_Period, Qt::AltModifier);
    EXPECT_TRUE(window.statusBadge()->isVisible());
    EXPECT_TRUE(window.statusBadge()->text().startsWith("2× · 00:0"));
}

// The panel is under the form, the window grows by it and the status moves
// into it; hidden again, the window is the designed one.
TEST_F(PanelTest, ThePanelTogglesByKeyAndMenuAndHoldsTheStatus) {
    const QSize designed = window.size();
    press(Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(window.panelShown());
    EXPECT_EQ(window.panel()->geometry().top(), designed.height());
    EXPECT_EQ(window.height(), designed.height() + window.panel()->height());
    EXPECT_FALSE(window.statusBadge()->isVisible());
    EXPECT_TRUE(window.actions()[host::Action::Panel]->isChecked());
    window.actions()[host::Action::Panel]->trigger();
    EXPECT_FALSE(window.panelShown());
    EXPECT_EQ(window.size(), designed);
    EXPECT_TRUE(window.statusBadge()->isVisible());
}

// Every control a class uses is a target for a finger, and works.
TEST_F(PanelTest, ThePanelsButtonsAreLargeAndRunTheirActions) {
    window.setPanelShown(true);
    for (auto* button : window.panel()->findChildren<QPushButton*>()) {
        EXPECT_GE(button->height(), 44) << button->text().toStdString();
        EXPECT_GE(button->width(), 44) << button->text().toStdString();
        EXPECT_FALSE(button->accessibleName().isEmpty() && button->text().isEmpty());
    }
    EXPECT_GE(slider().height(), 44);
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    QTest::mouseClick(panelButton("Step"), Qt::LeftButton);
    EXPECT_EQ(window.host().status().steps, 1);
    QTest::mouseClick(panelButton("Faster"), Qt::LeftButton);
    EXPECT_EQ(window.host().status().speed, 2);
    QTest::mouseClick(panelButton("Carry on"), Qt::LeftButton);
    EXPECT_FALSE(window.host().status().paused);
}

// Let go, the slider types its bias into the box and applies it: "Start"
// before the run, "Restart" once it moves; the record says exactly that.
TEST_F(PanelTest, TheSliderAppliesItsBiasByMouseKeysAndTouch) {
    window.setPanelShown(true);
    QTest::mousePress(&slider(), Qt::LeftButton, {}, sliderPoint(0));
    QTest::mouseMove(&slider(), sliderPoint(30));
    QTest::mouseRelease(&slider(), Qt::LeftButton, {}, sliderPoint(30));
    const std::string applied =
        "type Text4 " + window.textBox(4)->text().toStdString() + "\nclick Command1\n";
    EXPECT_NE(window.host().record().find(applied), std::string::npos) << window.host().record();
    EXPECT_TRUE(window.form().Timer1.Enabled);

    slider().setFocus();
    const std::string before = window.host().record();
    press(Qt::Key_Right);
    EXPECT_EQ(window.host().record(),
              before + "type Text4 " + window.textBox(4)->text().toStdString() + "\nclick Command3\n");

    const std::unique_ptr<QPointingDevice> screen(QTest::createTouchDevice());
    const std::string beforeTouch = window.host().record();
    QTest::touchEvent(&slider(), screen.get()).press(0, sliderPoint(-50));
    QTest::touchEvent(&slider(), screen.get()).release(0, sliderPoint(-50));
    EXPECT_NE(window.host().record(), beforeTouch);
    EXPECT_NEAR(slider().value(), -50, 2);
}

// The set-up of the run, as the command line that starts the program so.
TEST_F(PanelTest, CopyingTheSetUpGivesItsCommandLine) {
    window.applyBias("0.30");
    press(Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kestrel --bias 0.30 --start --paused");
}

// The zoom stops where the window would leave the screen; Ctrl+0 brings the
// window back to its designed size and place.
TEST_F(PanelTest, TheZoomStopsAtTheLargestThatFitsAndActualSizeReturnsToTheDesignedPlace) {
    const QRect designed = window.geometry();
    for (int n = 0; n < 8; ++n) {
        press(Qt::Key_Equal, Qt::ControlModifier);
    }
    const QRect available = window.screen()->availableGeometry();
    EXPECT_TRUE(available.contains(window.frameGeometry()));
    EXPECT_EQ(window.zoom(), 3);  // 400% is 2420 × 1812, taller than the 1600 pixels of the screen
    window.move(40, 30);
    press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.geometry(), designed);
}

}  // namespace
}  // namespace kestrel::ui
