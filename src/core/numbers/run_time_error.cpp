#include "core/numbers/run_time_error.h"

namespace kestrel {
namespace {

[[noreturn]] void raise(ErrorKind kind, const char* message) {
    throw RunTimeError(kind, ErrorWording{message, {}, {}});
}

}  // namespace

const char* kindName(ErrorKind kind) {
    switch (kind) {
        case ErrorKind::Input:
            return "input";
        case ErrorKind::Overflow:
            return "overflow";
        case ErrorKind::Subscript:
            return "subscript";
        case ErrorKind::Float:
            return "float";
    }
    return "unknown";
}

void raiseOverflow() {
    raise(ErrorKind::Overflow, KESTREL_TEXT("errors", "Overflow"));
}

void raiseSubscript() {
    raise(ErrorKind::Subscript, KESTREL_TEXT("errors", "Subscript out of range"));
}

void raiseFloat(FloatFault fault) {
    const char* message = KESTREL_TEXT("errors", "Floating-point overflow");
    if (fault == FloatFault::InvalidOperation) {
        message = KESTREL_TEXT("errors", "Invalid floating-point operation");
    } else if (fault == FloatFault::DivisionByZero) {
        message = KESTREL_TEXT("errors", "Division by zero");
    }
    raise(ErrorKind::Float, message);
}

}  // namespace kestrel
