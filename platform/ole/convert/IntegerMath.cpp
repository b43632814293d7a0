#include "platform/ole/convert/IntegerMath.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/Error.h"

#include <cmath>

namespace ole {

namespace {

int64_t WholeOperand(double value) {
    const double rounded = base::RoundHalfEven(value);
    if (!(rounded >= INT32_MIN && rounded <= INT32_MAX)) {
        RaiseError(ERR_OVERFLOW);
    }
    return static_cast<int64_t>(rounded);
}

int32_t Narrow(int64_t value) {
    if (value < INT32_MIN || value > INT32_MAX) {
        RaiseError(ERR_OVERFLOW);
    }
    return static_cast<int32_t>(value);
}

} // namespace

double Fix(double value) {
    return std::trunc(value);
}

double Int(double value) {
    return std::floor(value);
}

int32_t IntDivide(double dividend, double divisor) {
    const int64_t a = WholeOperand(dividend);
    const int64_t b = WholeOperand(divisor);
    if (b == 0) {
        RaiseError(ERR_DIVISION_BY_ZERO);
    }
    return Narrow(a / b);
}

int32_t IntModulo(double dividend, double divisor) {
    const int64_t a = WholeOperand(dividend);
    const int64_t b = WholeOperand(divisor);
    if (b == 0) {
        RaiseError(ERR_DIVISION_BY_ZERO);
    }
    return Narrow(a % b);
}

} // namespace ole
