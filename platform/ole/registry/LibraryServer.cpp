#include "platform/ole/registry/LibraryServer.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/registry/ClassFactory.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"

#include <algorithm>

namespace ole {

LibraryServer::LibraryServer(std::string name, const Guid& libraryId, uint16_t major,
                             uint16_t minor)
    : m_name(name),
      m_types(std::make_shared<TypeLibrary>(std::move(name), libraryId, major, minor)) {}

LibraryServer::~LibraryServer() = default;

LibraryServer& LibraryServer::AddClass(std::string progId, ClassFactoryFunction factory,
                                       const ClassInfo& info, ClassFlags flags) {
    m_types->AddClass(info);
    m_classes.push_back(ServedClass{std::move(progId), std::move(factory), &info, flags});
    return *this;
}

const LibraryServer::ServedClass* LibraryServer::FindClass(const Guid& classId) const {
    for (const ServedClass& served : m_classes) {
        if (served.info->ClassId() == classId)
            return &served;
    }
    return nullptr;
}

Ptr<Object> LibraryServer::CreateInstance(const Guid& classId) {
    const ServedClass* served = FindClass(classId);
    if (!served)
        RaiseError(ERR_INVALID_CLASS_STRING);
    Ptr<Object> object = served->factory();
    if (object)
        m_objects.push_back(PtrOfObject(object));
    return object;
}

HRESULT LibraryServer::GetClassObject(const Guid& classId, const Guid& iid, Ptr<Object>& factory) {
    factory.Reset();
    if (!FindClass(classId))
        return CLASS_E_CLASSNOTAVAILABLE;
    Ptr<Object> created = MakeObject<ClassFactory>(*this, classId);
    factory = created->QueryInterface(iid);
    return factory ? S_OK : E_NOINTERFACE;
}

HRESULT LibraryServer::RegisterServer() {
    TypeLibraryRegistry::Register(m_types);
    for (const ServedClass& served : m_classes) {
        const Guid classId = served.info->ClassId();
        ClassFactoryFunction factory = [this, classId] { return CreateInstance(classId); };
        RegisterClass(served.progId, classId, std::move(factory), served.info, served.flags);
    }
    return S_OK;
}

HRESULT LibraryServer::UnregisterServer() {
    for (const ServedClass& served : m_classes)
        ClassRegistry::Unregister(served.info->ClassId());
    TypeLibraryRegistry::Unregister(m_types->LibraryId());
    return S_OK;
}

size_t LibraryServer::LiveObjectCount() const {
    std::erase_if(m_objects, [](uint32_t id) { return !ObjectFromPtr(id); });
    return m_objects.size();
}

void LibraryServer::Lock(bool lock) {
    m_locks += lock ? 1 : -1;
}

HRESULT LibraryServer::CanUnloadNow() const {
    return LiveObjectCount() == 0 && m_locks <= 0 ? S_OK : S_FALSE;
}

} // namespace ole
