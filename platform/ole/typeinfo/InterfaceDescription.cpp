#include "platform/ole/typeinfo/InterfaceDescription.h"

#include "platform/base/TextCase.h"

#include "platform/ole/object/Object.h"
#include "platform/ole/typeinfo/TypeLibraryRegistry.h"
#include <algorithm>

namespace ole {

namespace {

bool IsShowable(VARTYPE vt) {
    if (vt & VT_ARRAY)
        return false;
    switch (vt) {
    case VT_UNKNOWN:
    case VT_PTR:
    case VT_SAFEARRAY:
    case VT_USERDEFINED:
    case VT_VOID:
    case VT_HRESULT:
        return false;
    default:
        return true;
    }
}

std::string HelpFileOf(const TypeDescription& type) {
    return type.library->HelpFile();
}

} // namespace

ValueTypeDescription DescribeType(const TypeRef& type, const TypeLibrary* library) {
    ValueTypeDescription description;
    if (type.name.empty()) {
        description.varType = type.vt;
        description.cannotBeShown = !IsShowable(type.vt);
        return description;
    }
    description.typeName = type.name;
    const TypeDescription* named = TypeLibraryRegistry::FindType(type.name, library);
    if (!named) {
        description.cannotBeShown = true;
        return description;
    }
    description.typeName = named->name;
    description.typeKind = named->kind;
    switch (named->kind) {
    case TKIND_ALIAS:
        description.varType = named->aliasOf;
        description.cannotBeShown = !IsShowable(named->aliasOf);
        break;
    case TKIND_ENUM:
        description.constants = named->constants;
        break;
    case TKIND_DISPATCH:
    case TKIND_COCLASS:
        break;
    default:
        description.cannotBeShown = true;
        break;
    }
    return description;
}

std::optional<InterfaceDescription> InterfaceDescription::FromObject(const Object& object) {
    const ClassInfo& info = object.GetClassInfo();
    const auto library = TypeLibraryRegistry::LibraryOf(info);
    if (!library)
        return std::nullopt;
    const TypeDescription* type = library->FindDefaultInterface(info);
    if (!type)
        return std::nullopt;
    return InterfaceDescription(*type);
}

InterfaceDescription InterfaceDescription::FromType(const TypeDescription& type) {
    return InterfaceDescription(type);
}

InterfaceDescription InterfaceDescription::DispatchView() const {
    if (m_type->kind == TKIND_COCLASS && m_type->classInfo) {
        if (const TypeDescription* type = m_type->library->FindDefaultInterface(*m_type->classInfo))
            return InterfaceDescription(*type);
    }
    return *this;
}

std::vector<MemberDescription> InterfaceDescription::Members() const {
    std::vector<MemberDescription> members;
    const ClassInfo* info = m_type->classInfo;
    if (!info || m_type->kind == TKIND_COCLASS)
        return members;
    const TypeLibrary* library = m_type->library;
    if (m_type->isEventInterface) {
        for (const EventInfo& event : info->Events()) {
            MemberDescription member;
            member.name = event.name;
            member.memberId = event.id;
            member.helpString = event.help;
            member.helpFile = HelpFileOf(*m_type);
            member.returnType = DescribeType(TypeRef{VT_VOID, {}}, library);
            for (const EventParam& param : event.params) {
                ParamDescription p;
                p.name = param.name;
                p.type = DescribeType(TypeRef{param.vt, param.typeName}, library);
                p.byRef = param.byRef;
                member.params.push_back(std::move(p));
            }
            members.push_back(std::move(member));
        }
        return members;
    }
    for (const MemberInfo& accessor : info->Members()) {
        MemberDescription member;
        member.name = accessor.name;
        member.invokeKind = accessor.kind;
        member.memberId = accessor.id;
        member.helpString = accessor.help;
        member.helpContext = accessor.helpContext;
        member.helpFile = HelpFileOf(*m_type);
        member.returnType = DescribeType(accessor.returnType, library);
        member.flags = accessor.flags;
        for (const ParamInfo& param : accessor.params) {
            ParamDescription p;
            p.name = param.name;
            p.type = DescribeType(param.type, library);
            p.optional = param.optional;
            p.byRef = param.byRef;
            p.defaultValue = param.defaultValue;
            member.params.push_back(std::move(p));
        }
        members.push_back(std::move(member));
    }
    return members;
}

std::vector<FilteredMember> InterfaceDescription::FilteredMembers() const {
    std::vector<FilteredMember> filtered;
    for (MemberDescription& member : Members()) {
        auto it = std::find_if(filtered.begin(), filtered.end(), [&](const FilteredMember& f) {
            return base::EqualsNoCase(f.name, member.name);
        });
        if (it == filtered.end()) {
            FilteredMember entry;
            entry.name = member.name;
            entry.memberId = member.memberId;
            entry.helpString = member.helpString;
            filtered.push_back(std::move(entry));
            it = filtered.end() - 1;
        }
        if ((it->invokeKinds & member.invokeKind) == 0)
            it->invokeKinds += member.invokeKind;
        it->skip = it->skip || (member.flags & (FUNCFLAG_FHIDDEN | FUNCFLAG_FRESTRICTED)) != 0;
        const bool isPut = member.invokeKind == DISPATCH_PROPERTYPUT ||
                           member.invokeKind == DISPATCH_PROPERTYPUTREF;
        const bool typeKnown = it->valueType.varType != VT_EMPTY || !it->valueType.typeName.empty();
        if (!isPut && member.invokeKind == DISPATCH_PROPERTYGET)
            it->valueType = member.returnType;
        else if (isPut && !typeKnown && !member.params.empty())
            it->valueType = member.params.back().type;
        else if (member.invokeKind == DISPATCH_METHOD && !typeKnown)
            it->valueType = member.returnType;
        if (it->helpString.empty())
            it->helpString = member.helpString;
    }
    return filtered;
}

} // namespace ole
