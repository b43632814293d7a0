#pragma once

#include "platform/ole/object/Object.h"

namespace ole {

// A back-reference that never dangles: it holds the object's weak id and resolves to null once the
// object is gone.
template <class T>
class WeakRef {
public:
    WeakRef() = default;
    WeakRef(const Ptr<T>& object) : m_id(PtrOfObject(object)) {}
    explicit WeakRef(const T* object) : m_id(PtrOfObject(static_cast<const Object*>(object))) {}

    Ptr<T> Lock() const { return PtrCast<T>(ObjectFromPtr(m_id)); }
    bool Expired() const { return !Lock(); }
    uint32_t Id() const { return m_id; }
    void Reset() { m_id = 0; }

    friend bool operator==(const WeakRef&, const WeakRef&) = default;

private:
    uint32_t m_id = 0;
};

} // namespace ole
