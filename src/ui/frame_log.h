#pragma once

#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace kestrel::ui {

// Timings of the window's work, for the performance measurements. When the
// environment variable KESTREL_FRAME_LOG names a file, every event the window
// runs and every repaint of the window is written to it as a line
// "<what> <start ns> <duration ns>" on the steady clock, and the end of the
// first repaint as "first-paint <ns>": a launcher that read the same clock
// before starting the program knows how long the window took to appear.
// Without the variable the window keeps no log and pays nothing.
class FrameLog {
public:
    static std::unique_ptr<FrameLog> fromEnvironment();

    explicit FrameLog(const std::string& path);

    template <typename Work>
    void time(std::string_view what, Work&& work) {
        const Clock::time_point start = Clock::now();
        work();
        write(what, start, Clock::now() - start);
    }

    // Times work that says what it was once it is done.
    template <typename Work>
    void timeNamed(Work&& work) {
        const Clock::time_point start = Clock::now();
        const std::string_view what = work();
        write(what, start, Clock::now() - start);
    }

    // True on the first repaint only; the window then calls
    // firstPaintShown() once that repaint has reached the screen.
    bool isFirstPaint() { return !std::exchange(painted_, true); }
    void firstPaintShown();

private:
    using Clock = std::chrono::steady_clock;

    void write(std::string_view what, Clock::time_point start, Clock::duration length);

    std::ofstream file_;
    bool painted_ = false;
};

}  // namespace kestrel::ui
