// Any bytes as a replay script, run line by line as kestrel-replay runs them,
// with every promise of CheckedReplay (tests/replay/checked_replay.h) checked
// after every event. "tick TIMER N" runs as N single ticks, so that the
// carriers are checked after each; at most 200 a line and 1000 an input, so
// that every input runs in milliseconds. A broken promise prints the script as
// run and traps.

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "checked_replay.h"

namespace {

constexpr long kMostTicksPerLine = 200;
constexpr long kTickBudget = 1000;

// The count of a "tick TimerK N" line the engine accepts; nothing for any
// other line.
std::optional<long> tickCount(std::string_view line) {
    if (line.size() < 13 || !line.starts_with("tick Timer") || line[10] < '1' || line[10] > '4' ||
        line[11] != ' ') {
        return std::nullopt;
    }
    long count = -1;
    const auto [end, error] = std::from_chars(line.data() + 12, line.data() + line.size(), count);
    return error == std::errc() && end == line.data() + line.size() && count >= 0 ? std::optional(count)
                                                                                  : std::nullopt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    kestrel::CheckedReplay replay;
    long ticksLeft = kTickBudget;
    // Lines as std::getline reads them: a last line without "\n" counts.
    for (int number = 1; !input.empty() && !replay.status(); ++number) {
        const std::string_view raw = input.substr(0, std::min(input.find('\n'), input.size()));
        input.remove_prefix(std::min(raw.size() + 1, input.size()));
        const std::string_view line = raw.ends_with('\r') ? raw.substr(0, raw.size() - 1) : raw;
        const std::optional<long> count = tickCount(line);
        const long runs = count ? std::min({*count, kMostTicksPerLine, ticksLeft}) : 1;
        ticksLeft -= count ? runs : 0;
        for (long n = 0; n < runs && !replay.status(); ++n) {
            if (const std::string problem = replay.run(count ? line.substr(0, 11) : raw, number);
                !problem.empty()) {
                std::fprintf(stderr, "replay_fuzz: line %d, %s\nreplay_fuzz: the script as run:\n%s", number,
                             problem.c_str(), replay.script().c_str());
                __builtin_trap();
            }
        }
    }
    return 0;
}
