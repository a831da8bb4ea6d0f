#pragma once

#include <stdexcept>
#include <string>

namespace kestrel {

// The ways a procedure can fail. An input error is raised before anything has
// changed and the program carries on; every other kind ends the program.
enum class ErrorKind { Input, Overflow, Subscript, Float };

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}

    [[nodiscard]] ErrorKind kind() const { return kind_; }
    [[nodiscard]] bool fatal() const { return kind_ != ErrorKind::Input; }

private:
    ErrorKind kind_;
};

// The lower-case word the replay tool prints for each kind.
const char* kindName(ErrorKind kind);

// The floating-point faults, each with its own message.
enum class FloatFault { InvalidOperation, DivisionByZero, Overflow };

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseSubscript();
[[noreturn]] void raiseFloat(FloatFault fault);

}  // namespace kestrel
