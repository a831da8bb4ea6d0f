#pragma once

#include <string>

// A file that must not outlive an interrupted run: while a RemovedOnSignal
// lives, an interrupt, a termination or a hang-up removes the file and then
// ends the program as the signal would have.
namespace kestrel {

class RemovedOnSignal {
public:
    explicit RemovedOnSignal(std::string path);
    // Puts back what the signals did before.
    ~RemovedOnSignal();
    RemovedOnSignal(const RemovedOnSignal&) = delete;
    RemovedOnSignal& operator=(const RemovedOnSignal&) = delete;

private:
    std::string path_;
};

}  // namespace kestrel
