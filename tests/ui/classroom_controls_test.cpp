#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/dump/form_dump.h"
#include "core/picture/readout_points.h"
#include "ui/classroom_actions.h"
#include "ui/form_surface.h"
#include "ui/form_window.h"
#include "ui/iv_chart_view.h"
#include "ui/iv_chart_window.h"
#include "ui/keys_dialog.h"
#include "ui/what_you_see_page.h"

// The classroom controls as a teacher uses them: keys on the shown window,
// the context menu, the run's files.
namespace kestrel::ui {
namespace {

constexpr int kLiveWaitMs = 5000;  // a generous bound for a few ticks of real time

class ClassroomTest : public ::testing::Test {
protected:
    ClassroomTest() {
        window.setFileChooser([this](QWidget*, FileUse) { return chosenFile; });
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // A key pressed wherever the focus is, as the user presses it.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    QImage render(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A paused run started at `bias` and moved on by `steps` steps.
    void startPaused(const QString& bias, int steps) {
        window.setPaused(true);
        window.typeText(4, bias);
        QTest::mouseClick(window.button(1), Qt::LeftButton);
        for (int n = 0; n < steps; ++n) {
            window.perform(host::Action::Step);
        }
    }

    QString file(const char* name) const { return scratch.filePath(QString::fromLatin1(name)); }

    std::vector<QString> messages;
    QTemporaryDir scratch;
    QString chosenFile;
    FormWindow window{[this](QWidget*, const QString& text, bool) { messages.push_back(text); }};
};

// The run's file goes where the teacher chose, or a message says why not;
// opened, it shows the very same picture.
TEST_F(ClassroomTest, ASavedRunIsWrittenWholeAndOpensToTheSamePicture) {
    window.typeText(4, "0.2");
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.host().status().steps >= 15; }, kLiveWaitMs));
    window.setPaused(true);
    chosenFile = file("no-such-folder/run.replay");
    press(Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].startsWith("Cannot write " + chosenFile)) << messages[0].toStdString();
    messages.clear();
    chosenFile = file("run.replay");
    press(Qt::Key_S, Qt::ControlModifier);
    QFile saved(chosenFile);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QByteArray script = saved.readAll();
    EXPECT_EQ(script.toStdString(), window.host().record());

    FormWindow copy([this](QWidget*, const QString& text, bool) { messages.push_back(text); });
    copy.setPaused(true);
    ASSERT_TRUE(copy.openScript(chosenFile));
    EXPECT_EQ(copy.host().record(), script.toStdString());
    EXPECT_EQ(dumpForm(copy.form()), dumpForm(window.form()));
    EXPECT_EQ(copy.textBox(4)->text(), "0.2");
    const QRect diagram(0, 0, 605, 280);  // above the controls, which show the focus
    // The surface alone: the status badge over it says "behind" where a busy
    // machine held the live run up for over a second, which the copy never was.
    EXPECT_EQ(render(*copy.surface()).copy(diagram), render(*window.surface()).copy(diagram));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ClassroomTest, AScriptsBadLineIsReportedAndTheClasssRunGoesOnAsItWas) {
    chosenFile = file("bad.replay");
    QFile bad(chosenFile);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("type Text4 0.3\nclick Command1\ntick Timer1 5\nfrobnicate now\ntick Timer1 5\n");
    bad.close();
    window.setPaused(true);
    window.tickTimer(2);  // the class's run, which stays
    press(Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_TRUE(messages[0].contains("line 4")) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains("\"frobnicate now\"")) << messages[0].toStdString();
    EXPECT_EQ(window.host().status().steps, 0);
    EXPECT_EQ(window.host().record(), "tick Timer2\n");
    EXPECT_TRUE(window.host().status().paused);

    window.setPaused(false);
    EXPECT_TRUE(window.clockRuns());
}

// The smallest box holding every black pixel of `area`.
QRect blackIn(const QImage& image, const QRect& area) {
    QRect found;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == qRgb(0, 0, 0)) {
                found |= QRect(x, y, 1, 1);
            }
        }
    }
    return found;
}

TEST_F(ClassroomTest, ZoomTwoDoublesEveryPlaceAndZoomOneIsTheDesignedWindow) {
    window.setPaused(true);
    QTest::mouseClick(window.button(1), Qt::LeftButton);
    for (int n = 0; n < 20; ++n) {
        window.perform(host::Action::Step);  // the seeded carriers spread out
    }
    const QImage designed = render(*window.surface());
    // Zoom 1.25, 1.5, 2.
    for (int n = 0; n < 3; ++n) {
        press(Qt::Key_Equal, Qt::ControlModifier);
    }
    ASSERT_EQ(window.zoom(), 2);
    const QImage zoomed = render(*window.surface());
    EXPECT_EQ(zoomed.size(), designed.size() * 2);
    chosenFile = file("zoomed.png");
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QImage(chosenFile).convertToFormat(QImage::Format_RGB32), zoomed);
    EXPECT_EQ(window.button(1)->geometry(), QRect(704, 592, 162, 66));
    EXPECT_DOUBLE_EQ(window.button(1)->font().pointSizeF(), 18);

    // The n-side valence edge begins at (96, 208), away from the carriers.
    const QRect lineEnd = blackIn(designed, QRect(90, 204, 8, 8));
    const QRect lineEndZoomed = blackIn(zoomed, QRect(180, 408, 16, 16));
    EXPECT_EQ(lineEnd, QRect(96, 208, 2, 1));
    EXPECT_EQ(lineEndZoomed.topLeft(), lineEnd.topLeft() * 2);
    EXPECT_EQ(lineEndZoomed.height(), 2);
    // Electrons that no other dot or line touches.
    const Form1& form = window.form();
    int checked = 0;
    for (int i = 1; i <= form.ElectronCount && checked < 5; ++i) {
        const QRect dot(std::lround(form.Shape1(i).Left / 15), std::lround(form.Shape1(i).Top / 15), 7, 7);
        if (blackIn(designed, dot.adjusted(-2, -2, 2, 2)) != dot) {
            continue;
        }
        const QRect dotZoomed(dot.topLeft() * 2, dot.size() * 2);
        EXPECT_EQ(blackIn(zoomed, dotZoomed.adjusted(-4, -4, 4, 4)), dotZoomed) << "electron " << i;
        ++checked;
    }
    EXPECT_GT(checked, 0);

    press(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(window.size(), designed.size());
    EXPECT_EQ(render(*window.surface()), designed);
}

TEST_F(ClassroomTest, FullScreenFitsTheFormToTheScreenUntilEscape) {
    press(Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.surface()->zoom() > 1; }, kLiveWaitMs));
    EXPECT_TRUE(window.fullScreen());
    const QRect surface = window.surface()->geometry();
    EXPECT_TRUE(window.rect().contains(surface));
    EXPECT_LE(std::abs(surface.center().x() - window.rect().center().x()), 1);
    EXPECT_TRUE(surface.width() == window.width() || surface.height() == window.height());

    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.surface()->zoom() == 1; }, kLiveWaitMs));
    EXPECT_FALSE(window.fullScreen());
    EXPECT_EQ(window.surface()->geometry(), window.rect());
}

// The rows themselves are the core's (tests/core/readout_chart_test.cpp).
TEST_F(ClassroomTest, ExportWritesTheReadoutsCsv) {
    startPaused("0.3", 450);
    chosenFile = file("readouts.csv");
    press(Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
    QFile csv(chosenFile);
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    ASSERT_EQ(window.host().readouts().entries().size(), 2U);
    EXPECT_EQ(csv.readAll().toStdString(), window.host().readouts().csv());
}

// Every key reaches its control while the user types in a box, and none of
// them types a character or changes the box.
TEST_F(ClassroomTest, KeysWorkWhileTypingAndDoNotChangeTheBox) {
    QLineEdit* bias = window.textBox(4);
    bias->setFocus();
    bias->selectAll();
    std::vector<int> triggered(window.actions().listed().size());
    for (std::size_t i = 0; i < triggered.size(); ++i) {
        QObject::connect(window.actions().listed()[i].action, &QAction::triggered,
                         [&triggered, i] { ++triggered[i]; });
    }
    struct Key {
        QAction* action;
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    const ClassroomActions& a = window.actions();
    const std::vector<Key> keys{
        {a[host::Action::Pause], Qt::Key_K, Qt::AltModifier},
        {a[host::Action::Step], Qt::Key_L, Qt::AltModifier},
        {a[host::Action::Slower], Qt::Key_Comma, Qt::AltModifier},
        {a[host::Action::Slower], Qt::Key_Minus, Qt::AltModifier},
        {a[host::Action::Faster], Qt::Key_Period, Qt::AltModifier},
        {a[host::Action::Faster], Qt::Key_Plus, Qt::AltModifier},
        {a[host::Action::Faster], Qt::Key_Equal, Qt::AltModifier},
        {a[host::Action::ZoomIn], Qt::Key_Equal, Qt::ControlModifier},
        {a[host::Action::ZoomOut], Qt::Key_Minus, Qt::ControlModifier},
        {a[host::Action::ActualSize], Qt::Key_0, Qt::ControlModifier},
        {a[host::Action::CopyPicture], Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier},
        {a[host::Action::SavePicture], Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier},
        {a[host::Action::SaveRun], Qt::Key_S, Qt::ControlModifier},
        {a[host::Action::OpenRun], Qt::Key_O, Qt::ControlModifier},
        {a[host::Action::SaveReadouts], Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier},
        {a[host::Action::Pause], Qt::Key_K, Qt::AltModifier},
    };
    QTest::keyClicks(bias, "0");
    for (std::size_t i = 0; i < keys.size(); ++i) {
        press(keys[i].key, keys[i].modifiers);
        if (i == 0) {
            QTest::keyClicks(bias, ".");
        }
    }
    QTest::keyClicks(bias, "3");
    EXPECT_EQ(bias->text(), "0.3");
    EXPECT_EQ(window.form().Text4.Text, "0.3");
    EXPECT_EQ(QApplication::focusWidget(), bias);
    for (const Key& key : keys) {
        const auto listed = std::find_if(a.listed().begin(), a.listed().end(),
                                         [&key](const auto& entry) { return entry.action == key.action; });
        const auto count =
            std::count_if(keys.begin(), keys.end(), [&key](const Key& k) { return k.action == key.action; });
        EXPECT_EQ(triggered[static_cast<std::size_t>(listed - a.listed().begin())], count)
            << key.action->text().toStdString();
    }
    QTest::keyClick(bias, Qt::Key_Backspace);
    QTest::keyClicks(bias, "5");
    EXPECT_EQ(window.form().Text4.Text, "0.5");
}

TEST_F(ClassroomTest, TheMenuComesOnTheDiagramNotOnTheControls) {
    QMenu* menu = window.actions().menu();
    const auto rightClick = [](QWidget* widget, const QPoint& at) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QApplication::sendEvent(widget, &event);
    };
    rightClick(window.button(1), QPoint(5, 5));
    rightClick(window.textBox(4), QPoint(5, 5));
    EXPECT_FALSE(menu->isVisible());
    for (QWidget* popup : QApplication::topLevelWidgets()) {
        if (popup->inherits("QMenu")) {
            popup->close();  // the box's own menu
        }
    }
    rightClick(window.surface(), QPoint(300, 150));
    ASSERT_TRUE(menu->isVisible());
    QStringList items;
    for (const QAction* item : menu->actions()) {
        if (!item->isSeparator()) {
            EXPECT_FALSE(item->shortcut().isEmpty()) << item->text().toStdString();
            items << item->text();
        }
    }
    EXPECT_EQ(items.first(), "Pause");
    menu->close();
}

TEST_F(ClassroomTest, TheChartWindowFollowsTheReadoutsF1ListsEveryKeyAndAltWExplainsThePicture) {
    startPaused("0.3", 450);
    press(Qt::Key_I, Qt::ControlModifier);
    const IvChartWindow* chart = window.findChild<IvChartWindow*>();
    ASSERT_TRUE(chart && chart->isVisible());
    EXPECT_EQ(chart->view().shown(), picture::chartPoints(window.host().readouts()));
    for (int n = 0; n < 200; ++n) {
        window.perform(host::Action::Step);
    }
    EXPECT_EQ(chart->view().shown().size(), 3U);
    EXPECT_EQ(chart->view().shown(), picture::chartPoints(window.host().readouts()));

    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_F1);
    const KeysDialog* keys = window.findChild<KeysDialog*>();
    ASSERT_TRUE(keys && keys->isVisible());
    const QTableWidget* table = keys->findChild<QTableWidget*>();
    ASSERT_TRUE(table);
    ASSERT_EQ(table->rowCount(), static_cast<int>(window.actions().listed().size()));
    for (int row = 0; row < table->rowCount(); ++row) {
        const QAction* action = window.actions().listed()[static_cast<std::size_t>(row)].action;
        EXPECT_TRUE(
            table->item(row, 0)->text().startsWith(action->shortcut().toString(QKeySequence::NativeText)));
    }
    // Alt+W turns the same window to the page that explains the picture, F1 back.
    const auto* pages = keys->findChild<QTabWidget*>();
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->currentWidget(), table);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(qobject_cast<WhatYouSeePage*>(pages->currentWidget()));
    EXPECT_EQ(window.findChildren<KeysDialog*>().size(), 1);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    press(Qt::Key_F1);
    EXPECT_EQ(pages->currentWidget(), table);
}

// With the chart's window active, the picture keys take the chart, the
// form's other keys still work, and its button clears the chart alone.
TEST_F(ClassroomTest, TheChartWindowSavesItsOwnPictureAndClearsKeepingTheReadouts) {
    startPaused("0.3", 450);
    IvChartWindow* chart = window.showIvChart();
    chart->setFileChooser(
        [this](QWidget*, FileUse use) { return use == FileUse::SaveChart ? chosenFile : QString(); });
    chart->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([chart] { return QApplication::activeWindow() == chart; }, kLiveWaitMs));

    for (const char* name : {"chart.png", "chart.svg"}) {
        chosenFile = file(name);
        press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    }
    EXPECT_EQ(QImage(file("chart.png")).size(), chart->view().image().size());
    QFile svg(file("chart.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().startsWith("<svg "));
    press(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QApplication::clipboard()->image().size(), chart->view().image().size());

    const QSize before = chart->size();
    press(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(window.zoom(), 1.25);
    EXPECT_EQ(chart->size(), before * 1.25);
    press(Qt::Key_Slash, Qt::ControlModifier);
    EXPECT_TRUE(window.findChild<KeysDialog*>());

    const std::string csv = window.host().readouts().csv();
    QPushButton* clear = chart->findChild<QPushButton*>();
    ASSERT_TRUE(clear);
    QTest::mouseClick(clear, Qt::LeftButton);
    EXPECT_TRUE(chart->view().shown().empty());
    EXPECT_EQ(window.host().readouts().csv(), csv);
}

}  // namespace
}  // namespace kestrel::ui
