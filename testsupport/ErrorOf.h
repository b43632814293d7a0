#pragma once

#include "platform/ole/error/Error.h"

#include <cstdint>
#include <string>

namespace testsupport {

// The number of the error `call` raises, 0 when it raises none. Anything but an ole::Error
// passes through to the test.
template <class F>
int32_t ErrorOf(F&& call) {
    try {
        call();
    } catch (const ole::Error& error) {
        return error.Number();
    }
    return 0;
}

// "711 Invalid class string": the number and description `call` raises, empty when none.
template <class F>
std::string ErrorTextOf(F&& call) {
    try {
        call();
    } catch (const ole::Error& error) {
        return std::to_string(error.Number()) + " " + error.Description();
    }
    return {};
}

} // namespace testsupport
