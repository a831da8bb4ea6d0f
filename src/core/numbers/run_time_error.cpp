#include "core/numbers/run_time_error.h"

namespace kestrel {

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
    throw RunTimeError(ErrorKind::Overflow, "Overflow");
}

void raiseSubscript() {
    throw RunTimeError(ErrorKind::Subscript, "Subscript out of range");
}

void raiseFloat(FloatFault fault) {
    const char* message = "Floating-point overflow";
    if (fault == FloatFault::InvalidOperation) {
        message = "Invalid floating-point operation";
    } else if (fault == FloatFault::DivisionByZero) {
        message = "Division by zero";
    }
    throw RunTimeError(ErrorKind::Float, message);
}

}  // namespace kestrel
