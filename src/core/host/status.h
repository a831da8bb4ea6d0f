#pragma once

// How the run stands, for a status line a class can read.
namespace kestrel::host {

struct Status {
    bool paused = false;
    double speed = 1;
    double formMs = 0;    // the form's time since it was loaded
    long steps = 0;       // Timer1 ticks of the run
    bool behind = false;  // the machine could not keep up; the run slowed
    bool ended = false;
};

}  // namespace kestrel::host
