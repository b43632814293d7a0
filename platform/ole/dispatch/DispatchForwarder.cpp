#include "platform/ole/dispatch/DispatchForwarder.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"

namespace ole {

bool DispatchForwarder::Implements(DISPID id) const {
    return m_target && m_target->HasMember(id);
}

Variant DispatchForwarder::Call(DISPID id, std::span<Variant> args) const {
    if (!m_target)
        RaiseError(ERR_OBJECT_NOT_SET);
    return m_target->Invoke(id, DISPATCH_METHOD, args);
}

Variant DispatchForwarder::Get(DISPID id, std::span<Variant> args) const {
    if (!m_target)
        RaiseError(ERR_OBJECT_NOT_SET);
    return m_target->Invoke(id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args);
}

void DispatchForwarder::Let(DISPID id, const Variant& value) const {
    if (!m_target)
        RaiseError(ERR_OBJECT_NOT_SET);
    Variant arg = value;
    m_target->Invoke(id, DISPATCH_PROPERTYPUT, std::span<Variant>(&arg, 1));
}

} // namespace ole
