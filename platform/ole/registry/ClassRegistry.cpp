#include "platform/ole/registry/ClassRegistry.h"

#include "platform/base/TextCase.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/typeinfo/TypeInfoService.h"
#include "platform/win/test/TestApi.h"

#include <algorithm>
#include <vector>

namespace ole {

namespace {

struct Registry {
    std::vector<ClassRegistration> classes;
    bool builtinsRegistered = false;
};

Registry& ThreadRegistry() {
    thread_local Registry registry;
    return registry;
}

Registry& Classes() {
    Registry& registry = ThreadRegistry();
    if (!registry.builtinsRegistered) {
        registry.builtinsRegistered = true;
        TypeInfoService::RegisterClass();
    }
    return registry;
}

// A platform reset forgets every class registered since the last one, so what one test registered
// (or took out) cannot decide what a later test creates; the built-in classes come back at the
// next use.
void ForgetClasses() {
    ThreadRegistry() = Registry{};
}

[[maybe_unused]] const bool g_resetAdded = (win::test::AddResetStep(&ForgetClasses), true);

Ptr<Object> CreateFrom(const ClassRegistration* registration) {
    if (!registration)
        RaiseError(ERR_INVALID_CLASS_STRING);
    if (!registration->flags.creatable || !registration->factory)
        RaiseError(ERR_INVALID_CALL);
    return registration->factory();
}

} // namespace

void ClassRegistry::Register(ClassRegistration registration) {
    auto& classes = Classes().classes;
    std::erase_if(classes, [&](const ClassRegistration& existing) {
        return (!registration.classId.IsNull() && existing.classId == registration.classId) ||
               (!registration.progId.empty() &&
                base::EqualsNoCase(existing.progId, registration.progId));
    });
    classes.push_back(std::move(registration));
}

void ClassRegistry::Unregister(const Guid& classId) {
    std::erase_if(Classes().classes,
                  [&](const ClassRegistration& existing) { return existing.classId == classId; });
}

const ClassRegistration* ClassRegistry::Find(std::string_view progId) {
    for (const ClassRegistration& registration : Classes().classes) {
        if (base::EqualsNoCase(registration.progId, progId))
            return &registration;
    }
    return nullptr;
}

const ClassRegistration* ClassRegistry::Find(const Guid& classId) {
    for (const ClassRegistration& registration : Classes().classes) {
        if (registration.classId == classId)
            return &registration;
    }
    return nullptr;
}

Ptr<Object> ClassRegistry::Create(std::string_view progIdOrClassId) {
    if (!progIdOrClassId.empty() && progIdOrClassId.front() == '{') {
        const auto classId = Guid::Parse(progIdOrClassId);
        if (!classId)
            RaiseError(ERR_INVALID_CLASS_STRING);
        return Create(*classId);
    }
    return CreateFrom(Find(progIdOrClassId));
}

Ptr<Object> ClassRegistry::Create(const Guid& classId) {
    return CreateFrom(Find(classId));
}

void RegisterClass(std::string progId, const Guid& classId, ClassFactoryFunction factory,
                   const ClassInfo* typeInfo, ClassFlags flags) {
    ClassRegistration registration;
    registration.progId = std::move(progId);
    registration.classId = classId;
    registration.factory = std::move(factory);
    registration.info = typeInfo;
    registration.flags = flags;
    ClassRegistry::Register(std::move(registration));
}

std::string ClassIdOf(const Object& object) {
    const ClassInfo& info = object.GetClassInfo();
    return info.Library().empty() ? info.Name() : info.Library() + "." + info.Name();
}

} // namespace ole
