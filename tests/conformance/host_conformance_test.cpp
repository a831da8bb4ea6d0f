#include <gtest/gtest.h>

#include "conformance.h"
#include "core/dump/form_dump.h"
#include "core/host/host.h"

// The conformance table played on the core's host, as the replay tool runs
// it: the reference the window and the page are held to.
namespace kestrel::conformance {
namespace {

template <typename Item, std::size_t Count>
const Item& named(const std::array<Item, Count>& table, const std::string& name) {
    for (const Item& item : table) {
        if (name == item.name) {
            return item;
        }
    }
    throw std::invalid_argument("no item " + name);
}

class HostDriver : public Driver {
public:
    void type(const std::string& box, const std::string& text) override {
        take(host_.type(named(design::kTextBoxes, box), text));
    }
    void enter(const std::string& box) override { take(host_.enter(named(design::kTextBoxes, box))); }
    void click(const std::string& button) override { take(host_.click(named(design::kButtons, button))); }
    void key(const std::string& key) override {
        const auto action = host::actionForKey(key);
        ASSERT_TRUE(action) << key;
        if (host::actionDesign(*action).runs == host::Runs::OnTheRun) {
            take(host_.perform(*action));
        }
    }
    void moveClock(double ms) override { now_ += ms; }
    void timerFires() override { take(host_.timePassed()); }
    void open(const std::string& script) override { take(host_.openRun(script, "run.replay")); }

    std::string boxText(const std::string& box) override {
        return (host_.form().*named(design::kTextBoxes, box).member).Text;
    }
    std::vector<std::string> takeMessages() override { return std::exchange(messages_, {}); }
    Shown shown() override {
        const host::Status status = host_.status();
        return {status.paused, status.speed, status.steps, status.ended};
    }
    std::string dump() override { return dumpForm(host_.form()); }
    std::string record() override { return host_.record(); }

private:
    void take(const host::Update& update) {
        if (update.message) {
            messages_.push_back(update.message->text);
        }
    }

    double now_ = 0;
    host::Host host_{[this] { return now_; }};
    std::vector<std::string> messages_;
};

class Conformance : public ::testing::TestWithParam<Scenario> {};

TEST_P(Conformance, TheHostPlaysTheScenario) {
    HostDriver driver;
    for (const std::string& difference : play(GetParam(), driver)) {
        ADD_FAILURE() << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Conformance, ::testing::ValuesIn(readScenarios(KESTREL_SCENARIOS)),
                         [](const auto& info) { return testName(info.param); });

}  // namespace
}  // namespace kestrel::conformance
