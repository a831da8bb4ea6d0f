#pragma once

#include <stdexcept>
#include <string>

#include "core/form/texts.h"

namespace kestrel {

// The ways a procedure can fail. An input error is raised before anything has
// changed and the program carries on; every other kind ends the program.
enum class ErrorKind { Input, Overflow, Subscript, Float };

// How an error's message is worded: a text marked for translation (context
// "errors"), where %1 stands for a box's name from the design and %2 for
// the text in the box, so that a front-end can give it in another language.
struct ErrorWording {
    const char* pattern = nullptr;
    std::string caption;
    std::string text;
};

class RunTimeError : public std::runtime_error {
public:
    RunTimeError(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
    RunTimeError(ErrorKind kind, ErrorWording wording)
        : std::runtime_error(texts::fillIn(wording.pattern, {wording.caption, wording.text})),
          kind_(kind),
          wording_(std::move(wording)) {}

    [[nodiscard]] ErrorKind kind() const { return kind_; }
    [[nodiscard]] bool fatal() const { return kind_ != ErrorKind::Input; }
    // No pattern when the message was put together otherwise.
    [[nodiscard]] const ErrorWording& wording() const { return wording_; }

private:
    ErrorKind kind_;
    ErrorWording wording_;
};

// The lower-case word the replay tool prints for each kind.
const char* kindName(ErrorKind kind);

// The floating-point faults, each with its own message.
enum class FloatFault { InvalidOperation, DivisionByZero, Overflow };

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseSubscript();
[[noreturn]] void raiseFloat(FloatFault fault);

}  // namespace kestrel
