#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/Brushes.h"

#include <utility>

namespace shared {

// Sole owner of one GDI object handle: deletes it exactly once, when replaced or destroyed.
template <class Handle>
class OwnedGdiObject {
public:
    OwnedGdiObject() = default;
    ~OwnedGdiObject() { Reset(); }
    OwnedGdiObject(const OwnedGdiObject&) = delete;
    OwnedGdiObject& operator=(const OwnedGdiObject&) = delete;

    Handle Get() const { return m_handle; }
    // Deletes the current object (results ignored) and takes ownership of `handle`.
    void Reset(Handle handle = {}) {
        if (Handle old = std::exchange(m_handle, handle))
            win::DeleteObject(old);
    }

private:
    Handle m_handle;
};

} // namespace shared
