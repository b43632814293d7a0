#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

namespace ole {

class LibraryServer;

// The object DllGetClassObject hands out: creates instances of one class of one library.
class ClassFactory : public Object {
public:
    ClassFactory(LibraryServer& server, const Guid& classId)
        : m_server(&server), m_classId(classId) {}

    Ptr<Object> CreateInstance();
    void LockServer(bool lock);

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }
    Ptr<Object> QueryInterface(const Guid& iid) override;

private:
    LibraryServer* m_server;
    Guid m_classId;
};

} // namespace ole
