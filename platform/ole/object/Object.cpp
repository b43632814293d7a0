#include "platform/ole/object/Object.h"

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/ole/object/WeakIdTable.h"

#include <atomic>

namespace ole {

namespace {

// Objects live on one thread, but ids come from one process-wide counter so that keys built from
// them stay unique across threads too.
std::atomic<uint32_t> g_nextWeakId{1};

struct ThreadObjects {
    WeakIdTable byWeakId;
    size_t live = 0;
};

ThreadObjects& Objects() {
    thread_local ThreadObjects objects;
    return objects;
}

} // namespace

Object::Object() noexcept {
    ++Objects().live;
}

Object::~Object() {
    ThreadObjects& objects = Objects();
    if (m_weakId != 0)
        objects.byWeakId.Erase(m_weakId);
    --objects.live;
}

void Object::Destroy() noexcept {
    // Code run by the destructors may look the object up by weak id or take and drop references;
    // neither may bring it back.
    m_dying = true;
    m_refs = 1;
    delete this;
}

DISPID Object::GetIDsOfNames(std::string_view name) const {
    return GetClassInfo().IdOfName(name);
}

bool Object::HasMember(DISPID id) const {
    return GetClassInfo().HasMember(id);
}

Variant Object::Invoke(DISPID id, uint16_t kinds, std::span<Variant> args) {
    const ClassInfo& info = GetClassInfo();
    try {
        return info.Invoke(*this, id, kinds, args);
    } catch (Error& error) {
        // The library's automation entry point names the library as the source.
        if (error.Source().empty() && !info.Library().empty())
            error.SetSource(info.Library());
        throw;
    }
}

Ptr<Object> Object::QueryInterface(const Guid& iid) {
    const ClassInfo& info = GetClassInfo();
    if (iid == IID_IUnknown || iid == IID_IDispatch ||
        (!info.InterfaceId().IsNull() && iid == info.InterfaceId()))
        return Ptr<Object>(this);
    return nullptr;
}

bool Is(const Variant& a, const Variant& b) noexcept {
    if (!a.IsObject() || !b.IsObject())
        return false;
    return a.AsObject().Get() == b.AsObject().Get();
}

uint32_t PtrOfObject(const Object* object) {
    if (!object)
        return 0;
    auto* self = const_cast<Object*>(object);
    if (self->m_weakId == 0) {
        // 0 means "none"; after four billion ids the counter would reach it again.
        do {
            self->m_weakId = g_nextWeakId.fetch_add(1);
        } while (self->m_weakId == 0);
        Objects().byWeakId.Insert(self->m_weakId, self);
    }
    return self->m_weakId;
}

Ptr<Object> ObjectFromPtr(uint32_t id) {
    if (id == 0)
        return nullptr;
    Object* object = Objects().byWeakId.Find(id);
    if (!object || object->IsDying())
        return nullptr;
    return Ptr<Object>(object);
}

size_t LiveObjectCount() {
    return Objects().live;
}

} // namespace ole
