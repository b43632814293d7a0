#pragma once

#include "platform/ole/error/HResult.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <memory>
#include <string>
#include <vector>

namespace ole {

inline const Guid IID_IClassFactory = Guid::FromString("{4D421EB3-7A54-4D73-85B1-AD0890C63228}");

// What a control library's four exports do, so each library's exports are one-line forwards:
//
//   extern "C" HRESULT DllCanUnloadNow() { return Server().CanUnloadNow(); }
//
// The server owns the library's type library and class list. Objects its factories create are
// counted while they live; CanUnloadNow is S_OK only when none is alive and no lock is held.
// Registered factories refer to the server, so it lives as long as its library (a static there)
// and is unregistered before it goes.
class LibraryServer {
public:
    LibraryServer(std::string name, const Guid& libraryId, uint16_t major = 1, uint16_t minor = 0);
    ~LibraryServer();
    LibraryServer(const LibraryServer&) = delete;
    LibraryServer& operator=(const LibraryServer&) = delete;

    const std::string& Name() const { return m_name; }
    // The library's type library, for enums and aliases beyond its classes.
    TypeLibrary& Types() { return *m_types; }

    // A class served by the library; it goes into the type library at once and into the class
    // registry on RegisterServer.
    LibraryServer& AddClass(std::string progId, ClassFactoryFunction factory, const ClassInfo& info,
                            ClassFlags flags = {});

    // A class-factory object (CreateInstance, LockServer) for `classId`.
    HRESULT GetClassObject(const Guid& classId, const Guid& iid, Ptr<Object>& factory);
    HRESULT RegisterServer();
    HRESULT UnregisterServer();
    HRESULT CanUnloadNow() const;

    size_t LiveObjectCount() const;
    void Lock(bool lock);

    // Creates through the class's factory and counts the object as the library's.
    Ptr<Object> CreateInstance(const Guid& classId);

private:
    struct ServedClass {
        std::string progId;
        ClassFactoryFunction factory;
        const ClassInfo* info;
        ClassFlags flags;
    };

    const ServedClass* FindClass(const Guid& classId) const;

    std::string m_name;
    std::shared_ptr<TypeLibrary> m_types;
    std::vector<ServedClass> m_classes;
    // Weak ids of the objects handed out; dead ones are pruned when counted.
    mutable std::vector<uint32_t> m_objects;
    int32_t m_locks = 0;
};

} // namespace ole
