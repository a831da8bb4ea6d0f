#include "conformance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "core/dump/form_dump.h"
#include "ui/form_window.h"

// The conformance table played on the window, offscreen, as a user plays
// it: typing and Enter in its boxes, clicks on its buttons, its keys; real
// time from a clock moved by hand.
namespace kestrel::conformance {
namespace {

int numberIn(const std::string& name) {
    return std::stoi(name.substr(name.find_first_of("0123456789")));
}

class WindowDriver : public Driver {
public:
    WindowDriver() {
        window_.show();
        window_.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window_));
    }

    void type(const std::string& box, const std::string& text) override {
        QLineEdit* edit = window_.textBox(numberIn(box));
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromStdString(text));
    }
    void enter(const std::string& box) override {
        QTest::keyClick(window_.textBox(numberIn(box)), Qt::Key_Return);
    }
    void click(const std::string& button) override {
        QTest::mouseClick(window_.button(numberIn(button)), Qt::LeftButton);
    }
    void key(const std::string& key) override {
        QTest::keySequence(QApplication::focusWidget(), QKeySequence(QString::fromStdString(key)));
    }
    void moveClock(double ms) override { now_ += ms; }
    void timerFires() override { window_.timePassed(); }
    void open(const std::string& script) override {
        window_.replayScript(QByteArray::fromStdString(script), QStringLiteral("run.replay"));
    }

    std::string boxText(const std::string& box) override {
        return window_.textBox(numberIn(box))->text().toStdString();
    }
    std::vector<std::string> takeMessages() override { return std::exchange(messages_, {}); }
    Shown shown() override {
        const host::Status status = window_.host().status();
        return {status.paused, status.speed, status.steps, window_.isHidden()};
    }
    std::string dump() override { return dumpForm(window_.form()); }
    std::string record() override { return window_.record().toStdString(); }

private:
    double now_ = 0;
    std::vector<std::string> messages_;
    ui::FormWindow window_{
        [this](QWidget*, const QString& text, bool) { messages_.push_back(text.toStdString()); }, nullptr,
        [this] { return now_; }};
};

class Conformance : public ::testing::TestWithParam<Scenario> {};

TEST_P(Conformance, TheWindowPlaysTheScenario) {
    WindowDriver driver;
    for (const std::string& difference : play(GetParam(), driver)) {
        ADD_FAILURE() << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Conformance, ::testing::ValuesIn(readScenarios(KESTREL_SCENARIOS)),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
}  // namespace kestrel::conformance
