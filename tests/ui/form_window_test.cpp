#include "ui/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <vector>

#include "core/dump/form_dump.h"
#include "ui/chart_view.h"

// The window on Qt's offscreen platform: the band lines, markers and messages
// it shows. The real-display test checks the dots against the replay tool.
namespace kestrel::ui {
namespace {

class FormWindowTest : public ::testing::Test {
protected:
    FormWindow::MessageSink collect() {
        return [this](QWidget*, const QString& text, bool fatal) { messages.emplace_back(text, fatal); };
    }

    QRgb pixel(int x, int y) {
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32).pixel(x, y);
    }

    // The black pixels in an area of the window as it paints itself now.
    int blackIn(const QRect& area) {
        const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                count += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
            }
        }
        return count;
    }

    void click(int button) { QTest::mouseClick(window.button(button), Qt::LeftButton); }

    void typeBias(const QString& text) {
        window.textBox(4)->selectAll();
        QTest::keyClicks(window.textBox(4), text);
    }

    std::vector<std::pair<QString, bool>> messages;  // text, fatal
    FormWindow window{collect()};

    // The tests tick the timers themselves: the run's own clock stands still.
    void SetUp() override { window.setPaused(true); }
};

TEST_F(FormWindowTest, OpensAtTheDesignSizeWithTheBandsDrawnAndNoCarrier) {
    EXPECT_EQ(window.size(), QSize(605, 453));
    EXPECT_FALSE(window.textBox(2)->isEnabled() || window.textBox(3)->isEnabled());
    // Solid edges: n-side conduction at y 1920 and valence at 3120 twips from
    // x 1440 to 4080; p side at 1200 and 2400 from 5160 to 8160; the slopes
    // join them. The Fermi level is dash-dot: broken, yet mostly drawn.
    EXPECT_EQ(blackIn({96, 128, 177, 1}) + blackIn({96, 208, 177, 1}), 2 * 177);
    EXPECT_EQ(blackIn({344, 80, 201, 1}) + blackIn({344, 160, 201, 1}), 2 * 201);
    EXPECT_EQ(blackIn({308, 104, 1, 1}) + blackIn({308, 184, 1, 1}), 2);
    EXPECT_GT(blackIn({96, 144, 177, 1}), 177 / 2);
    EXPECT_LT(blackIn({96, 144, 177, 1}), 177);
    // No dot where seeded electrons rest or holes hang, no marker.
    EXPECT_EQ(blackIn({96, 100, 177, 28}) + blackIn({345, 161, 200, 7}), 0);
    EXPECT_EQ(pixel(208, 170), pixel(208, 250));  // where the generation marker was designed
}

TEST_F(FormWindowTest, TheBandsFollowTheBiasTheBoxShowsAndABadTextGivesOnlyAMessage) {
    typeBias("0.3");
    click(1);
    // At 0.3 V the p-side valence edge moves from 2400 to 2760 twips (row 184).
    EXPECT_EQ(blackIn({320, 184, 225, 1}), 225);
    EXPECT_EQ(blackIn({400, 160, 145, 1}), 0);
    typeBias("0.6");
    click(3);
    EXPECT_EQ(window.textBox(4)->text(), "0.59");
    typeBias("0,3x");
    const std::string before = dumpForm(window.form());
    click(3);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_FALSE(messages[0].second);
    EXPECT_TRUE(messages[0].first.contains("Bias (V)") && messages[0].first.contains("\"0,3x\""));
    EXPECT_EQ(dumpForm(window.form()), before);
    EXPECT_TRUE(window.form().Timer1.Enabled);
}

TEST_F(FormWindowTest, MarkersShowInTheirColoursUntilTheirTimerHidesThem) {
    Form1& form = window.formForTests();
    form.Line18 = {3000, 1920, 3000, 3120, true};  // as a generation leaves it
    form.Line19 = {6000, 1200, 6000, 2400, true};  // and a recombination
    form.Timer3.Enabled = form.Timer4.Enabled = true;
    EXPECT_EQ(pixel(200, 168), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(400, 120), qRgb(0, 0, 255));
    for (const int timer : {3, 4}) {
        window.tickTimer(timer);
    }
    EXPECT_NE(pixel(200, 168), qRgb(255, 0, 0));
    EXPECT_NE(pixel(400, 120), qRgb(0, 0, 255));
}

TEST_F(FormWindowTest, AFatalErrorShowsItsMessageAndEndsTheProgram) {
    window.show();
    window.setPaused(false);
    window.typeText(2, "30");  // a Fermi level that overflows the band geometry
    click(3);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].second && messages[0].first.contains("Overflow"));
    EXPECT_TRUE(window.isHidden());
    EXPECT_FALSE(window.clockRuns());
}

// Enter in the bias box is "Start" before the first run and "Restart" after
// it, recorded as the clicks.
TEST_F(FormWindowTest, EnterInTheBiasBoxAppliesTheBias) {
    typeBias("0.3");
    QTest::keyClick(window.textBox(4), Qt::Key_Return);
    EXPECT_TRUE(window.form().Timer1.Enabled);
    const Form1& form = window.form();
    ASSERT_GT(form.ElectronCount, 0);
    window.tickTimer(1);
    const float firstElectron = form.Shape1(1).Left;

    typeBias("-0.5");
    QTest::keyClick(window.textBox(4), Qt::Key_Enter);
    EXPECT_EQ(form.Shape1(1).Left, firstElectron);  // not placed afresh
    EXPECT_EQ(form.JunctionRight, 5160 + 600);
    const QString script = QString::fromStdString(window.host().record());
    EXPECT_TRUE(script.contains("type Text4 0.3\nclick Command1\ntick Timer1\n")) << script.toStdString();
    EXPECT_TRUE(script.endsWith("type Text4 -0.5\nclick Command3\n")) << script.toStdString();
    EXPECT_TRUE(messages.empty());
}

// Tab reaches only what the window shows, in the designed order; a box below
// the window's bottom joins the order once the window grows to show it.
TEST_F(FormWindowTest, TabWalksTheControlsInViewInDesignOrderFromStart) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_EQ(QApplication::focusWidget(), window.button(1));
    const auto walk = [](const std::vector<QWidget*>& expected) {
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
        }
    };
    walk({window.button(2), window.textBox(4), window.textBox(7), window.button(3), window.button(1)});
    for (QWidget* below : {window.textBox(1), window.textBox(5), window.textBox(6)}) {
        EXPECT_TRUE(below->isHidden()) << below->objectName().toStdString();
        EXPECT_EQ(below->focusPolicy(), Qt::NoFocus);
    }

    window.resize(605, 620);
    walk({window.button(2), window.textBox(1), window.textBox(4), window.textBox(6), window.textBox(7),
          window.picture(), window.textBox(5), window.button(3), window.button(1)});
    window.resize(605, 453);
    walk({window.button(2), window.textBox(4), window.textBox(7), window.button(3)});
}

}  // namespace
}  // namespace kestrel::ui

int main(int argc, char** argv) {
    // Offscreen, on a screen as large as a projector's, so a zoom can grow.
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" KESTREL_OFFSCREEN_SCREEN);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
