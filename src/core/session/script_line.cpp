#include "core/session/script_line.h"

#include <charconv>
#include <optional>

#include "core/session/printable_text.h"

namespace kestrel::script {
namespace {

// Splits off the first word; rest is what follows the single space after it.
std::string_view firstWord(std::string_view text, std::string_view& rest) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos) {
        rest = {};
        return text;
    }
    rest = text.substr(space + 1);
    return text.substr(0, space);
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

std::optional<long> parseTickCount(std::string_view text) {
    long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || count < 0) {
        return std::nullopt;
    }
    return count;
}

template <typename Table>
auto named(const Table& table, std::string_view name) -> decltype(&table[0]) {
    for (const auto& entry : table) {
        if (name == entry.name) {
            return &entry;
        }
    }
    return nullptr;
}

Line typeOf(std::string_view rest) {
    std::string_view text;
    const auto* box = named(design::kTextBoxes, firstWord(rest, text));
    if (!box) {
        return Bad{KESTREL_TEXT("script", "type needs a box Text1 to Text7")};
    }
    return Type{box, std::string(text)};
}

Line clickOf(std::string_view rest) {
    const auto* button = named(design::kButtons, rest);
    if (!button) {
        return Bad{KESTREL_TEXT("script", "click needs a button Command1 to Command3")};
    }
    return Click{button};
}

Line tickOf(std::string_view rest) {
    std::string_view countText;
    const std::string_view timer = firstWord(rest, countText);
    const bool countGiven = rest.find(' ') != std::string_view::npos;
    const auto count = countGiven ? parseTickCount(countText) : std::optional<long>(1);
    if (!count) {
        return Bad{KESTREL_TEXT("script", "tick count must be a whole number")};
    }
    const auto* design = named(design::kTimers, timer);
    if (!design) {
        return Bad{KESTREL_TEXT("script", "tick needs a timer Timer1 to Timer4")};
    }
    return Tick{design, *count};
}

// A picture's file name must show as itself: the system would cut a name
// short at a NUL and write another file, and other control characters would
// hide from the user which file is written.
Line pictureOf(std::string_view path) {
    if (path.empty()) {
        return Bad{KESTREL_TEXT("script", "picture needs a file name")};
    }
    if (!printsAsItself(path)) {
        return Bad{KESTREL_TEXT("script", "picture needs a file name of printable UTF-8 characters")};
    }
    return Picture{std::string(path)};
}

}  // namespace

Line parseLine(std::string_view line) {
    if (isBlankLine(line) || line.front() == '#') {
        return Skip{};
    }
    std::string_view rest;
    const std::string_view command = firstWord(line, rest);
    if (command == "type") {
        return typeOf(rest);
    }
    if (command == "click") {
        return clickOf(rest);
    }
    if (command == "tick") {
        return tickOf(rest);
    }
    if (command == "picture") {
        return pictureOf(rest);
    }
    if (line == "dump") {
        return Dump{};
    }
    return Bad{KESTREL_TEXT("script", "not a command")};
}

std::string typeLine(const design::TextBoxDesign& box, std::string_view text) {
    return std::string("type ") + box.name + ' ' + std::string(text);
}

std::string clickLine(const design::ButtonDesign& button) {
    return std::string("click ") + button.name;
}

std::string tickLine(const design::TimerDesign& timer, long count) {
    return std::string("tick ") + timer.name + (count == 1 ? "" : ' ' + std::to_string(count));
}

std::string_view asWritten(std::string_view line, int lineNumber) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (lineNumber == 1 && line.starts_with(kByteOrderMark)) {
        line.remove_prefix(kByteOrderMark.size());
    }
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    return line;
}

}  // namespace kestrel::script
