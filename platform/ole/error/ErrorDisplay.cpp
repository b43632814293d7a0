#include "platform/ole/error/ErrorDisplay.h"

namespace ole {

std::string FormatErrorForDisplay(const Error& error) {
    // Object-defined numbers are negative as int32; widen before comparing.
    int64_t number = static_cast<uint32_t>(error.Number());
    if (number >= 0x80040000LL && number <= 0x8004FFFFLL)
        number -= 0x80040000LL;
    else
        number = error.Number();
    return error.Source() + " : " + error.Description() + " : " + std::to_string(number);
}

} // namespace ole
