#pragma once

#include <cstdint>

// The program's number rules, in one place: state is 16-bit and every
// addition, subtraction and multiplication on it is checked; a double
// assigned to 16 bits goes to the nearest integer with ties to the even one;
// positions are single precision, rounded once where they are stored; every
// floating-point result is checked for an invalid operation, a division by
// zero and an overflow.
namespace kestrel {

using Int16 = std::int16_t;

Int16 add16(int a, int b);
Int16 sub16(int a, int b);
Int16 mul16(int a, int b);

// Nearest 16-bit integer, ties to even; outside -32768..32767 is an overflow.
// A value that is not finite is the floating-point fault that produced it.
Int16 to16(double value);

// Nearest single, ties to even; a double too large for a single is a
// floating-point overflow.
float toSingle(double value);

// A floating-point result that is not a number is an invalid operation, an
// infinite one an overflow.
double checkedResult(double value);

// a / b as a double; a zero divisor is a run-time error.
double divide(double a, double b);

}  // namespace kestrel
