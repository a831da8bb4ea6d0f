#include "ui/form_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <vector>

#include "core/dump/form_dump.h"
#include "ui/chart_view.h"
#include "ui/letter_font.h"
#include "ui/painted_items.h"

namespace kestrel::ui {
namespace {

struct Message {
    QString text;
    bool fatal;
};

class FormWindowTest : public ::testing::Test {
protected:
    // The tests tick the timers themselves: the run's own clock stands still.
    FormWindowTest()
        : window([this](QWidget*, const QString& text, bool fatal) {
              messages.push_back({text, fatal});
          }) {
        window.setPaused(true);
    }

    QImage render() { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // One tick of a timer, run at once instead of waiting for it.
    void tickTimer(int number) { window.tickTimer(number); }

    void typeBias(const QString& text) {
        window.textBox(4)->selectAll();
        QTest::keyClicks(window.textBox(4), text);
    }

    static bool isBlack(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

    static int blackPixelsInRow(const QImage& image, int y, int fromX, int toX) {
        int count = 0;
        for (int x = fromX; x <= toX; ++x) {
            count += isBlack(image, x, y) ? 1 : 0;
        }
        return count;
    }

    static int blackPixelsIn(const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            count += blackPixelsInRow(image, y, area.left(), area.right());
        }
        return count;
    }

    static int px(float twips) { return static_cast<int>(std::lround(twips / 15.0)); }

    std::vector<Message> messages;
    FormWindow window;
};

TEST_F(FormWindowTest, OpensAtTheDesignSizeWithTheControlsInPlace) {
    window.setPaused(false);  // a paused run says so in the title
    EXPECT_EQ(window.size(), QSize(605, 453));
    EXPECT_EQ(window.minimumSize(), QSize(605, 453));
    EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Kestrel Sim\u3000Ver.\u03b2"));
    EXPECT_EQ(window.button(1)->text(), "Start");
    EXPECT_EQ(window.button(1)->geometry(), QRect(352, 296, 81, 33));
    EXPECT_EQ(window.button(3)->text(), "Restart");
    EXPECT_EQ(window.textBox(4)->geometry(), QRect(152, 400, 33, 18));
    EXPECT_EQ(window.textBox(4)->accessibleName(), "Bias (V)");
    EXPECT_FALSE(window.textBox(2)->isEnabled() || window.textBox(3)->isEnabled());
    EXPECT_FALSE(window.timerRuns(1) || window.timerRuns(3) || window.timerRuns(4));
    EXPECT_TRUE(window.timerRuns(2));
}

TEST_F(FormWindowTest, BandLinesLieOnTheirPixelRows) {
    const QImage image = render();
    // Solid edges: n-side conduction at y 1920 and valence at 3120 twips from
    // x 1440 to 4080; p side at 1200 and 2400 from 5160 to 8160.
    EXPECT_EQ(blackPixelsInRow(image, 128, 96, 272), 177);
    EXPECT_EQ(blackPixelsInRow(image, 208, 96, 272), 177);
    EXPECT_EQ(blackPixelsInRow(image, 80, 344, 544), 201);
    EXPECT_EQ(blackPixelsInRow(image, 160, 344, 544), 201);
    // The slopes join the two sides.
    EXPECT_TRUE(isBlack(image, 308, 104));
    EXPECT_TRUE(isBlack(image, 308, 184));
    // The Fermi levels are dash-dot: broken, yet mostly drawn.
    const int nSide = blackPixelsInRow(image, 144, 96, 272);
    const int pSide = blackPixelsInRow(image, 144, 344, 544);
    EXPECT_GT(nSide, 177 / 2);
    EXPECT_LT(nSide, 177);
    EXPECT_GT(pSide, 201 / 2);
    EXPECT_LT(pSide, 201);
}

TEST_F(FormWindowTest, NoCarrierOrMarkerIsVisibleBeforeStart) {
    const QImage image = render();
    // Above the n-side conduction edge, where seeded electrons rest.
    EXPECT_EQ(blackPixelsIn(image, QRect(96, 100, 177, 28)), 0);
    // Below the p-side valence edge, where seeded holes hang.
    EXPECT_EQ(blackPixelsIn(image, QRect(345, 161, 200, 7)), 0);
    // The markers' design places, hidden by the load procedure.
    EXPECT_EQ(image.pixel(208, 170), image.pixel(208, 250));
    EXPECT_FALSE(window.form().Line18.Visible);
    EXPECT_FALSE(window.form().Line19.Visible);
}

TEST_F(FormWindowTest, StartDrawsTheNewBandsAndTheSeededCarriers) {
    typeBias("0.3");
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    ASSERT_TRUE(messages.empty());
    const Form1& form = window.form();
    ASSERT_EQ(form.ElectronCount, 80);
    ASSERT_EQ(form.HoleCount, 80);

    const QImage image = render();
    // At 0.3 V the p-side valence edge moves to 2760 twips (row 184).
    EXPECT_EQ(blackPixelsInRow(image, 184, 320, 544), 225);
    EXPECT_EQ(blackPixelsInRow(image, 160, 400, 544), 0);
    int holesSeen = 0;
    for (int i = 1; i <= 80; ++i) {
        const DotItem& electron = form.Shape1(i);
        EXPECT_TRUE(isBlack(image, px(electron.Left) + 3, px(electron.Top) + 3)) << "electron " << i;
        // A hole's left rim shows unless a later hole was painted over it.
        const DotItem& hole = form.Shape2(i);
        bool covered = false;
        for (int later = i + 1; later <= 80; ++later) {
            covered = covered || std::abs(px(form.Shape2(later).Left) - px(hole.Left)) < 7;
        }
        if (!covered) {
            EXPECT_TRUE(isBlack(image, px(hole.Left), px(hole.Top) + 3)) << "hole " << i;
            ++holesSeen;
        }
    }
    EXPECT_GT(holesSeen, 10);
    const DotItem& lastHole = form.Shape2(80);
    EXPECT_EQ(image.pixel(px(lastHole.Left) + 3, px(lastHole.Top) + 3), qRgb(255, 255, 255));
    EXPECT_TRUE(window.timerRuns(1));
}

TEST_F(FormWindowTest, EachStepRedrawsTheDotsWhereTheFormMovedThem) {
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    const Form1& form = window.form();
    const DotArray seeded = form.Shape1;
    for (int tick = 0; tick < 20; ++tick) {
        tickTimer(1);
    }
    ASSERT_NE(form.Shape1, seeded);
    const QImage image = render();
    for (int i = 1; i <= form.ElectronCount; ++i) {
        const DotItem& electron = form.Shape1(i);
        EXPECT_TRUE(isBlack(image, px(electron.Left) + 3, px(electron.Top) + 3)) << "electron " << i;
    }
}

// Carriers parked or placed at a contact must not stretch a step's repaint
// over the boxes and buttons below the diagram.
TEST(PaintedItems, AStepRepaintsOnlyInsideTheWindow) {
    Form1 form;
    form.Form_Load();
    form.Command1_Click();
    PaintedItems painted;
    painted.takeChanges(form);
    const QRect window(0, 0, 605, 453);
    for (int tick = 1; tick <= 200; ++tick) {
        form.Timer1_Timer();
        const QRect changed = painted.takeChanges(form);
        ASSERT_TRUE(window.contains(changed)) << "tick " << tick;
    }
}

TEST_F(FormWindowTest, MarkersShowAtTheirEventAndGoWithTheirTimer) {
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    const Form1& form = window.form();
    for (int tick = 0; tick < 400 && !(form.Line18.Visible && form.Line19.Visible); ++tick) {
        tickTimer(1);
    }
    ASSERT_TRUE(form.Line18.Visible && form.Line19.Visible);
    EXPECT_TRUE(window.timerRuns(3) && window.timerRuns(4));
    const auto colourAtMiddle = [](const QImage& image, const LineItem& marker) {
        return image.pixel(px(marker.X1), px((marker.Y1 + marker.Y2) / 2));
    };
    const QImage shown = render();
    EXPECT_EQ(colourAtMiddle(shown, form.Line18), qRgb(255, 0, 0));
    EXPECT_EQ(colourAtMiddle(shown, form.Line19), qRgb(0, 0, 255));

    tickTimer(3);
    tickTimer(4);
    const QImage hidden = render();
    EXPECT_NE(colourAtMiddle(hidden, form.Line18), qRgb(255, 0, 0));
    EXPECT_NE(colourAtMiddle(hidden, form.Line19), qRgb(0, 0, 255));
    EXPECT_FALSE(window.timerRuns(3) || window.timerRuns(4));
}

TEST_F(FormWindowTest, BiasOutsideTheLimitsIsRewrittenInTheBox) {
    typeBias("0.6");
    QTest::mouseClick(window.button(3), Qt::LeftButton);
    EXPECT_EQ(window.textBox(4)->text(), "0.59");
    typeBias("-2");
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    EXPECT_EQ(window.textBox(4)->text(), "-0.7");
    EXPECT_TRUE(messages.empty());
}

TEST_F(FormWindowTest, BadBiasShowsAMessageAndChangesNothing) {
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    typeBias("0,3x");
    const std::string before = dumpForm(window.form());
    QTest::mouseClick(window.button(3), Qt::LeftButton);
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 2U);
    EXPECT_FALSE(messages[0].fatal);
    EXPECT_TRUE(messages[0].text.contains("Bias (V)"));
    EXPECT_TRUE(messages[0].text.contains("\"0,3x\""));
    EXPECT_EQ(dumpForm(window.form()), before);
    EXPECT_TRUE(window.timerRuns(1));
}

// Enter in the bias box is "Start" before the first run and "Restart" after
// it, recorded as the clicks.
TEST_F(FormWindowTest, EnterInTheBiasBoxAppliesTheBias) {
    typeBias("0.3");
    QTest::keyClick(window.textBox(4), Qt::Key_Return);
    EXPECT_TRUE(window.timerRuns(1));
    const Form1& form = window.form();
    ASSERT_GT(form.ElectronCount, 0);
    tickTimer(1);
    const float firstElectron = form.Shape1(1).Left;

    typeBias("-0.5");
    QTest::keyClick(window.textBox(4), Qt::Key_Enter);
    EXPECT_EQ(form.Shape1(1).Left, firstElectron);  // not placed afresh
    EXPECT_EQ(form.JunctionRight, 5160 + 600);
    const QString script = QString::fromStdString(window.session().script());
    EXPECT_TRUE(script.contains("type Text4 0.3\nclick Command1\ntick Timer1\n")) << script.toStdString();
    EXPECT_TRUE(script.endsWith("type Text4 -0.5\nclick Command3\n")) << script.toStdString();
    EXPECT_TRUE(messages.empty());
}

TEST_F(FormWindowTest, CloseEndsTheProgram) {
    window.show();
    window.setPaused(false);
    ASSERT_TRUE(window.clockRuns());
    QTest::mouseClick(window.button(2), Qt::LeftButton);
    EXPECT_TRUE(window.form().ended());
    EXPECT_TRUE(window.isHidden());
    EXPECT_FALSE(window.clockRuns());
}

TEST_F(FormWindowTest, FatalErrorShowsTheMessageAndEndsTheProgram) {
    window.show();
    window.setPaused(false);
    window.form().Text2.Text = "30";  // a Fermi level that overflows the band geometry
    QTest::mouseClick(window.button(3), Qt::LeftButton);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].fatal);
    EXPECT_TRUE(messages[0].text.contains("Overflow"));
    EXPECT_TRUE(window.isHidden());
    EXPECT_FALSE(window.clockRuns());
}

TEST_F(FormWindowTest, ReadoutShowsTheNetCount) {
    window.form().CrossCount = -3;
    tickTimer(2);
    EXPECT_EQ(window.textBox(7)->text(), "-3");
}

// Tab walks the controls in view in their design order; those below the
// designed window join in where they belong once it is enlarged to show them.
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

TEST(LetterFont, FallsBackToAnInstalledJapaneseGothic) {
    const QFontInfo info(letterFont());
    EXPECT_TRUE(info.family() == "IPAPGothic" || info.family() == "Noto Sans CJK JP")
        << info.family().toStdString();
    EXPECT_DOUBLE_EQ(letterFont().pointSizeF(), 14.25);
}

}  // namespace
}  // namespace kestrel::ui

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
