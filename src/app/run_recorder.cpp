#include "run_recorder.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <array>
#include <csignal>
#include <cstdio>

#include "ui/form_window.h"
#include "ui/run_files.h"

namespace kestrel::app {
namespace {

constexpr int kEndedBySignal = 1;

// A signal handler may only write to a descriptor; the event loop reads the
// other end of the pair.
std::array<int, 2> endingPair{-1, -1};

void askToEnd(int /*signal*/) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(endingPair[0], &byte, 1);
}

}  // namespace

RunRecorder::RunRecorder(QString path, const ui::FormWindow& window, QObject* parent)
    : QObject(parent), path_(std::move(path)), window_(window) {
    connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &RunRecorder::write);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, endingPair.data()) != 0) {
        return;
    }
    ending_ = new QSocketNotifier(endingPair[1], QSocketNotifier::Read, this);
    connect(ending_, &QSocketNotifier::activated, this, [] { QCoreApplication::exit(kEndedBySignal); });
    struct sigaction action {};
    action.sa_handler = askToEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

RunRecorder::~RunRecorder() {
    for (int& end : endingPair) {
        if (end >= 0) {
            ::close(end);
            end = -1;
        }
    }
}

void RunRecorder::write() {
    if (const auto problem = ui::writeWholeFile(path_, window_.record())) {
        std::fprintf(stderr, "kestrel: cannot record the run in %s: %s\n", qPrintable(path_),
                     qPrintable(*problem));
    }
}

}  // namespace kestrel::app
