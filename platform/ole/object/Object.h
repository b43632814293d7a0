#pragma once

#include "platform/ole/object/Guid.h"
#include "platform/ole/object/Ptr.h"
#include "platform/ole/variant/Variant.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace ole {

class ClassInfo;

using DISPID = int32_t;

// Invoke kinds; a get may be combined with a method call.
inline constexpr uint16_t DISPATCH_METHOD = 1;
inline constexpr uint16_t DISPATCH_PROPERTYGET = 2;
inline constexpr uint16_t DISPATCH_PROPERTYPUT = 4;
inline constexpr uint16_t DISPATCH_PROPERTYPUTREF = 8;

inline constexpr DISPID DISPID_VALUE = 0;
inline constexpr DISPID DISPID_UNKNOWN = -1;
inline constexpr DISPID DISPID_PROPERTYPUT = -3;
inline constexpr DISPID DISPID_NEWENUM = -4;

// Identities every object answers to (our own values).
inline const Guid IID_IUnknown = Guid::FromString("{F3F2C1EC-BC34-4F5E-A2DB-FB050955847E}");
inline const Guid IID_IDispatch = Guid::FromString("{7329C83F-308C-4922-90A8-D21F7A8C56D8}");

// The base of every automation object: an intrusive reference count, a class identity (its
// ClassInfo) and dispatch by member id and by name, both answered from that ClassInfo.
class Object {
public:
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    void AddRef() noexcept { ++m_refs; }
    void Release() noexcept {
        if (--m_refs == 0)
            Destroy();
    }
    uint32_t RefCount() const noexcept { return m_refs; }
    // True once the last reference is gone and destruction has begun.
    bool IsDying() const noexcept { return m_dying; }

    // The class's one member table. Every concrete class returns its static table.
    virtual const ClassInfo& GetClassInfo() const = 0;

    // Case-insensitive; DISPID_UNKNOWN when the class has no such member.
    virtual DISPID GetIDsOfNames(std::string_view name) const;
    // Whether Invoke knows `id` at all; event sources skip sinks that do not handle an event.
    virtual bool HasMember(DISPID id) const;

    // `args` in declaration order; for a put the value is the last element. By-reference
    // arguments (Variant::ByRef) are written back. Boundary failures raise 438, 383, 13 or 450;
    // the callee's own errors keep their number and description, and get the class's library as
    // source when they have none.
    virtual Variant Invoke(DISPID id, uint16_t kinds, std::span<Variant> args);

    // The object itself when it implements `iid` (IUnknown, IDispatch, its default interface,
    // anything it adds by overriding), else null.
    virtual Ptr<Object> QueryInterface(const Guid& iid);

protected:
    Object() noexcept;

private:
    void Destroy() noexcept;

    uint32_t m_refs = 0;
    bool m_dying = false;
    uint32_t m_weakId = 0;

    friend uint32_t PtrOfObject(const Object* object);
};

// Identity: the same object, or both Nothing.
inline bool Is(const Object* a, const Object* b) noexcept {
    return a == b;
}
template <class T, class U>
bool Is(const Ptr<T>& a, const Ptr<U>& b) noexcept {
    return static_cast<const Object*>(a.Get()) == static_cast<const Object*>(b.Get());
}
// False unless both hold objects (Nothing included) that are the same.
bool Is(const Variant& a, const Variant& b) noexcept;

// The 32-bit weak id of `object`, assigned on first request and never reused; 0 for null.
uint32_t PtrOfObject(const Object* object);
template <class T>
uint32_t PtrOfObject(const Ptr<T>& object) {
    return PtrOfObject(static_cast<const Object*>(object.Get()));
}
// A new strong reference while the object lives; null once destroyed, and for id 0.
Ptr<Object> ObjectFromPtr(uint32_t id);

} // namespace ole
