#include "platform/ole/typeinfo/TypeLibrary.h"

#include "platform/base/TextCase.h"

namespace ole {

TypeLibrary::TypeLibrary(std::string name, Guid guid, uint16_t major, uint16_t minor, uint32_t lcid)
    : m_name(std::move(name)), m_guid(guid), m_major(major), m_minor(minor), m_lcid(lcid) {}

TypeDescription& TypeLibrary::Add(TypeDescription type) {
    type.library = this;
    return m_types.emplace_back(std::move(type));
}

void TypeLibrary::AddClass(const ClassInfo& info) {
    TypeDescription coclass;
    coclass.name = info.Name();
    coclass.kind = TKIND_COCLASS;
    coclass.guid = info.ClassId();
    coclass.help = info.Help();
    coclass.classInfo = &info;
    coclass.defaultInterface = info.InterfaceName();
    coclass.sourceInterface = info.EventInterfaceName();
    Add(std::move(coclass));

    TypeDescription dispatch;
    dispatch.name = info.InterfaceName();
    dispatch.kind = TKIND_DISPATCH;
    dispatch.guid = info.InterfaceId();
    dispatch.flags = info.InterfaceFlags();
    dispatch.classInfo = &info;
    Add(std::move(dispatch));

    if (!info.Events().empty() && !info.EventInterfaceName().empty()) {
        TypeDescription events;
        events.name = info.EventInterfaceName();
        events.kind = TKIND_DISPATCH;
        events.guid = info.EventInterfaceId();
        events.flags = TYPEFLAG_FDISPATCHABLE;
        events.classInfo = &info;
        events.isEventInterface = true;
        Add(std::move(events));
    }
}

void TypeLibrary::AddEnum(std::string name, std::vector<EnumConstant> constants,
                          std::string_view guid) {
    TypeDescription type;
    type.name = std::move(name);
    type.kind = TKIND_ENUM;
    if (!guid.empty())
        type.guid = Guid::FromString(guid);
    type.constants = std::move(constants);
    Add(std::move(type));
}

void TypeLibrary::AddAlias(std::string name, VARTYPE vt) {
    TypeDescription type;
    type.name = std::move(name);
    type.kind = TKIND_ALIAS;
    type.aliasOf = vt;
    Add(std::move(type));
}

const TypeDescription* TypeLibrary::FindType(std::string_view name) const {
    for (const TypeDescription& type : m_types) {
        if (base::EqualsNoCase(type.name, name))
            return &type;
    }
    return nullptr;
}

const TypeDescription* TypeLibrary::FindClass(const ClassInfo& info) const {
    for (const TypeDescription& type : m_types) {
        if (type.classInfo == &info && type.kind == TKIND_COCLASS)
            return &type;
    }
    return nullptr;
}

const TypeDescription* TypeLibrary::FindDefaultInterface(const ClassInfo& info) const {
    for (const TypeDescription& type : m_types) {
        if (type.classInfo == &info && type.kind == TKIND_DISPATCH && !type.isEventInterface)
            return &type;
    }
    return nullptr;
}

} // namespace ole
