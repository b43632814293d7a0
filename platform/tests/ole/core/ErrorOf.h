#pragma once

#include "platform/ole/error/Error.h"

#include <functional>

namespace coretest {

// The automation error number `call` raises; 0 when it returns normally.
inline int32_t ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const ole::Error& e) {
        return e.Number();
    }
    return 0;
}

} // namespace coretest
