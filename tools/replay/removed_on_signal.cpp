#include "removed_on_signal.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <utility>

namespace kestrel {
namespace {

constexpr std::array<int, 3> kEndingSignals{SIGINT, SIGTERM, SIGHUP};

// Read in the handler, so a plain pointer that is always lock-free.
std::atomic<const char*> removedPath = nullptr;
std::array<struct sigaction, kEndingSignals.size()> previousActions{};

// Only async-signal-safe calls: the file goes, then the signal is raised
// again with its default action (SA_RESETHAND put it back) and ends the
// program with the status the signal gives.
extern "C" void removeAndEnd(int signal) {
    if (const char* path = removedPath.load()) {
        ::unlink(path);
    }
    std::raise(signal);
}

}  // namespace

RemovedOnSignal::RemovedOnSignal(std::string path) : path_(std::move(path)) {
    removedPath = path_.c_str();
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (std::size_t n = 0; n < kEndingSignals.size(); ++n) {
        ::sigaction(kEndingSignals[n], nullptr, &previousActions[n]);
        // A signal the shell told the program to ignore (a job started in
        // the background) stays ignored.
        if (previousActions[n].sa_handler != SIG_IGN) {
            ::sigaction(kEndingSignals[n], &action, nullptr);
        }
    }
}

RemovedOnSignal::~RemovedOnSignal() {
    for (std::size_t n = 0; n < kEndingSignals.size(); ++n) {
        ::sigaction(kEndingSignals[n], &previousActions[n], nullptr);
    }
    removedPath = nullptr;
}

}  // namespace kestrel
