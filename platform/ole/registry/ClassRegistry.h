#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Guid.h"
#include "platform/ole/object/Object.h"

#include <functional>
#include <string>
#include <string_view>

namespace ole {

struct ClassFlags {
    bool creatable = true;
    bool control = false;
    bool controlContainer = false;
    bool alignable = false;
    // A standard form control; its class id is "VB." & TypeName.
    bool intrinsic = false;
};

using ClassFactoryFunction = std::function<Ptr<Object>()>;

struct ClassRegistration {
    std::string progId;
    Guid classId;
    ClassFactoryFunction factory;
    const ClassInfo* info = nullptr;
    ClassFlags flags;
};

// The process's classes by ProgID (case-insensitive) and CLSID. Per thread, like every registry.
// The type-information service is always registered. A platform reset empties the registry.
class ClassRegistry {
public:
    // Replaces an earlier registration with the same CLSID or ProgID.
    static void Register(ClassRegistration registration);
    static void Unregister(const Guid& classId);
    static const ClassRegistration* Find(std::string_view progId);
    static const ClassRegistration* Find(const Guid& classId);
    // 711 for an unknown ProgID or CLSID; 5 when the class is not creatable. A ProgID in braces is
    // read as a CLSID.
    static Ptr<Object> Create(std::string_view progIdOrClassId);
    static Ptr<Object> Create(const Guid& classId);
};

void RegisterClass(std::string progId, const Guid& classId, ClassFactoryFunction factory,
                   const ClassInfo* typeInfo, ClassFlags flags = {});

// "Library.Class" for an object: the class's library and name (for the standard controls
// "VB." & TypeName).
std::string ClassIdOf(const Object& object);

} // namespace ole
