#pragma once

#include <cstdint>

namespace ole {

// Fix truncates toward zero, Int rounds toward minus infinity: Fix(-2.5) is -2, Int(-2.5) is -3.
double Fix(double value);
double Int(double value);

// Integer division `\`: both operands are rounded half to even to whole numbers first, then the
// quotient is truncated toward zero (7.5 \ 2 is 4, -7 \ 2 is -3). Division by zero raises 11; a
// quotient or operand outside the 32-bit range raises 6.
int32_t IntDivide(double dividend, double divisor);

// Modulus with the same rounding of its operands; the sign follows the dividend.
int32_t IntModulo(double dividend, double divisor);

} // namespace ole
