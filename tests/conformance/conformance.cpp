#include "conformance.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

#include "replay_engine.h"

namespace kestrel::conformance {
namespace {

// Real time passes in pieces of this many milliseconds, which do not fall
// on the form's 50 ms steps, so every scenario also runs late ticks.
constexpr double kWaitPieceMs = 40;

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        parts.push_back(part);
    }
    return parts;
}

std::string scriptOf(const std::string& lines) {
    std::string script;
    for (const std::string& line : split(lines, '|')) {
        script += line + '\n';
    }
    return script;
}

void wait(Driver& driver, double ms) {
    for (double left = ms; left > 0; left -= kWaitPieceMs) {
        driver.moveClock(std::min(left, kWaitPieceMs));
        driver.timerFires();
    }
}

void act(Driver& driver, const Line& line) {
    const auto& w = line.words;
    if (line.verb == "type") {
        driver.type(w.at(0), line.rest.substr(w.at(0).size() + 1));
    } else if (line.verb == "enter") {
        driver.enter(w.at(0));
    } else if (line.verb == "click") {
        driver.click(w.at(0));
    } else if (line.verb == "key") {
        driver.key(w.at(0));
    } else if (line.verb == "wait") {
        wait(driver, std::stod(w.at(0)));
    } else if (line.verb == "open") {
        driver.open(scriptOf(line.rest));
    }
}

// The replay tool's last dump of a record.
std::string replayed(const std::string& record) {
    std::istringstream in(record + "dump\n");
    std::ostringstream out;
    std::ostringstream err;
    if (replayScript(in, out, err) != 0) {
        return err.str();
    }
    std::string lines = out.str();  // error objects, then the dump
    lines.pop_back();
    return lines.substr(lines.rfind('\n') + 1);
}

std::string yesNo(bool flag) {
    return flag ? "yes" : "no";
}

// What differs from one expectation, or nothing.
std::string check(Driver& driver, const Line& line, std::vector<std::string>& messages) {
    const auto& w = line.words;
    const std::string& what = w.at(0);
    const std::string value = line.rest.size() > what.size() ? line.rest.substr(what.size() + 1) : "";
    const Shown shown = driver.shown();
    std::string actual;
    bool same = true;
    if (what == "box") {
        actual = driver.boxText(w.at(1));
        same = actual == value.substr(w.at(1).size() + 1);
    } else if (what == "message" || what == "no-message") {
        for (const std::string& message : driver.takeMessages()) {
            messages.push_back(message);
        }
        actual = messages.empty() ? "no message" : messages.back();
        same = what == "message" ? !messages.empty() && actual.find(value) != std::string::npos
                                 : messages.empty();
        messages.clear();
    } else if (what == "paused") {
        actual = yesNo(shown.paused);
        same = actual == value;
    } else if (what == "speed") {
        actual = std::to_string(shown.speed);
        same = shown.speed == std::stod(value);
    } else if (what == "steps") {
        actual = std::to_string(shown.steps);
        same = shown.steps == std::stol(value);
    } else if (what == "ended") {
        actual = yesNo(shown.ended);
        same = actual == value;
    } else if (what == "form") {
        const std::string dump = driver.dump();
        actual = fingerprint(dump) + " " + factsOf(dump);
        same = actual == value;
    }
    return same ? ""
                : "line " + std::to_string(line.number) + ": expected " + line.rest + ", shown " + actual;
}

}  // namespace

std::vector<Scenario> readScenarios(const std::string& path) {
    std::ifstream file(path);
    std::vector<Scenario> scenarios;
    std::string text;
    for (int number = 1; std::getline(file, text); ++number) {
        if (text.empty() || text.front() == '#') {
            continue;
        }
        const auto space = text.find(' ');
        Line line{
            number, text.substr(0, space), {}, space == std::string::npos ? "" : text.substr(space + 1)};
        line.words = split(line.rest, ' ');
        if (line.verb == "scenario") {
            scenarios.push_back({line.rest, {}});
        } else if (!scenarios.empty()) {
            scenarios.back().lines.push_back(line);
        }
    }
    return scenarios;
}

std::string testName(const Scenario& scenario) {
    std::string name = scenario.name;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

std::string fingerprint(const std::string& text) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3ULL;
    }
    std::ostringstream hex;
    hex << std::hex << hash;
    return hex.str();
}

std::string factsOf(const std::string& dump) {
    const auto count = [&dump](const char* name) {
        std::smatch found;
        const std::regex pattern(std::string("\"") + name + "\":(-?[0-9]+)");
        return std::regex_search(dump, found, pattern) ? found[1].str() : "?";
    };
    return "electrons=" + count("ElectronCount") + " holes=" + count("HoleCount");
}

std::vector<std::string> play(const Scenario& scenario, Driver& driver) {
    std::vector<std::string> differences;
    std::vector<std::string> messages;
    for (const Line& line : scenario.lines) {
        if (line.verb != "expect") {
            act(driver, line);
        } else if (std::string difference = check(driver, line, messages); !difference.empty()) {
            differences.push_back(difference);
        }
    }
    if (!driver.shown().ended && replayed(driver.record()) != driver.dump()) {
        differences.push_back("the replay tool makes another form of the run's record:\n" + driver.record());
    }
    return differences;
}

}  // namespace kestrel::conformance
