#pragma once

#include "platform/ole/error/Error.h"

#include <cstdint>

// The run-time error number `f` raises, 0 when it returns normally.
template <class F>
int32_t Raised(F&& f) {
    try {
        f();
    } catch (const ole::Error& e) {
        return e.Number();
    }
    return 0;
}
