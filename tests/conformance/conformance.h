#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The conformance table (scenarios.txt) and how a front-end plays it: each
// driver says how its front-end does what a user does and what it shows;
// play() runs a scenario through it and says what differed.
namespace kestrel::conformance {

struct Line {
    int number;  // in scenarios.txt
    std::string verb;
    std::vector<std::string> words;  // the rest, split at spaces
    std::string rest;                // the rest as written
};

struct Scenario {
    std::string name;
    std::vector<Line> lines;
};

std::vector<Scenario> readScenarios(const std::string& path);

// A scenario's name as a test's: "a-step" becomes "a_step".
std::string testName(const Scenario& scenario);

// What a driver's front-end shows, read the way the front-end shows it.
struct Shown {
    bool paused = false;
    double speed = 1;
    long steps = 0;
    bool ended = false;
};

class Driver {
public:
    virtual ~Driver() = default;

    virtual void type(const std::string& box, const std::string& text) = 0;
    virtual void enter(const std::string& box) = 0;
    virtual void click(const std::string& button) = 0;
    virtual void key(const std::string& key) = 0;
    // Moves the front-end's clock on, then lets its timer fire.
    virtual void moveClock(double ms) = 0;
    virtual void timerFires() = 0;
    virtual void open(const std::string& script) = 0;

    virtual std::string boxText(const std::string& box) = 0;
    // The messages shown since the last call.
    virtual std::vector<std::string> takeMessages() = 0;
    virtual Shown shown() = 0;
    virtual std::string dump() = 0;
    virtual std::string record() = 0;
};

// FNV-1a, 64 bits, in hex: the same value everywhere.
std::string fingerprint(const std::string& text);
// The facts a form hash is shown with: "electrons=N holes=M".
std::string factsOf(const std::string& dump);

// Plays the scenario; what differed from its expectations, one line each.
std::vector<std::string> play(const Scenario& scenario, Driver& driver);

}  // namespace kestrel::conformance
