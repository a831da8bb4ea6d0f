#include "model/run_time_error.h"

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
    switch (fault) {
        case FloatFault::InvalidOperation:
            throw RunTimeError(ErrorKind::Float, "Invalid floating-point operation");
        case FloatFault::DivisionByZero:
            throw RunTimeError(ErrorKind::Float, "Division by zero");
        case FloatFault::Overflow:
            break;
    }
    throw RunTimeError(ErrorKind::Float, "Floating-point overflow");
}

}  // namespace kestrel
