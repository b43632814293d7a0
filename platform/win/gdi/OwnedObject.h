#pragma once

#include "platform/win/WinTypes.h"
#include "platform/win/gdi/Objects.h"

#include <utility>

namespace win {

// Sole owner of one GDI object handle: deletes it exactly once, when replaced or destroyed.
template <class Handle>
class OwnedObject {
public:
    OwnedObject() = default;
    explicit OwnedObject(Handle handle) : m_handle(handle) {}
    ~OwnedObject() { Reset(); }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;

    Handle Get() const { return m_handle; }
    // Deletes the current object (results ignored) and takes ownership of `handle`.
    void Reset(Handle handle = {}) {
        if (Handle old = std::exchange(m_handle, handle))
            DeleteObject(old);
    }

private:
    Handle m_handle;
};

} // namespace win
