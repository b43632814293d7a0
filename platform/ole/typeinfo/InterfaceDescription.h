#pragma once

#include "platform/ole/typeinfo/MemberDescription.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <memory>
#include <optional>
#include <vector>

namespace ole {

class Object;

// Type information of one type of a registered library, read from the class tables behind it.
class InterfaceDescription {
public:
    // The description of `object`'s default interface; none when its class is in no registered
    // library.
    static std::optional<InterfaceDescription> FromObject(const Object& object);
    static InterfaceDescription FromType(const TypeDescription& type);

    const std::string& Name() const { return m_type->name; }
    int32_t TypeKind() const { return m_type->kind; }
    const Guid& InterfaceId() const { return m_type->guid; }
    uint32_t Flags() const { return m_type->flags; }
    const std::string& HelpString() const { return m_type->help; }
    const TypeLibrary& Library() const { return *m_type->library; }
    const TypeDescription& Type() const { return *m_type; }
    // A dual interface's dispatch view; this interface itself when it is one already. For a
    // coclass, its default interface.
    InterfaceDescription DispatchView() const;

    // One entry per accessor, in declaration order (events for a source interface).
    std::vector<MemberDescription> Members() const;
    std::vector<FilteredMember> FilteredMembers() const;

private:
    explicit InterfaceDescription(const TypeDescription& type) : m_type(&type) {}

    const TypeDescription* m_type;
};

// Resolves a declared type against the registered libraries, `library` first.
ValueTypeDescription DescribeType(const TypeRef& type, const TypeLibrary* library);

} // namespace ole
