#include "platform/ole/registry/ClassFactory.h"

#include "platform/ole/registry/LibraryServer.h"

namespace ole {

Ptr<Object> ClassFactory::CreateInstance() {
    return m_server->CreateInstance(m_classId);
}

void ClassFactory::LockServer(bool lock) {
    m_server->Lock(lock);
}

Ptr<Object> ClassFactory::QueryInterface(const Guid& iid) {
    if (iid == IID_IClassFactory)
        return Ptr<Object>(this);
    return Object::QueryInterface(iid);
}

const ClassInfo& ClassFactory::Info() {
    static const ClassInfo info =
        ClassBuilder<ClassFactory>("ClassFactory")
            .Method("CreateInstance", 1, &ClassFactory::CreateInstance)
            .Method("LockServer", 2, &ClassFactory::LockServer, Params({Arg("lock")}))
            .Build();
    return info;
}

} // namespace ole
