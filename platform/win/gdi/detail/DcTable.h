#pragma once

#include "platform/win/gdi/detail/DeviceContext.h"

#include <cstddef>
#include <memory>

namespace win::gdi {

// The live device contexts by handle.
class DcTable {
public:
    static HDC Add(std::unique_ptr<DeviceContext> dc);
    static DeviceContext* Find(HDC hdc);
    // Presents what the DC drew and frees it; false for unknown handles.
    static bool Release(HDC hdc);
    static size_t LiveCount();
    static void Reset();
};

} // namespace win::gdi
