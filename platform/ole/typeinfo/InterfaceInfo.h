#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/InterfaceDescription.h"

#include <memory>

namespace ole {

// A type of a registered library: Name (default member), TypeKind, Guid, the owning library's
// identity, DispatchView, Members, FilteredMembers, Constants (enumerations).
class InterfaceInfo : public Object {
public:
    InterfaceInfo(InterfaceDescription description, std::shared_ptr<const TypeLibrary> library);

    std::string Name() const { return m_description.Name(); }
    int32_t TypeKind() const { return m_description.TypeKind(); }
    std::string GuidString() const { return m_description.InterfaceId().ToString(); }
    std::string HelpString() const { return m_description.HelpString(); }
    std::string LibraryName() const { return m_description.Library().Name(); }
    std::string LibraryGuid() const { return m_description.Library().LibraryId().ToString(); }
    int16_t MajorVersion() const;
    int16_t MinorVersion() const;
    Ptr<Object> DispatchView() const;
    Ptr<Object> Members() const;
    Ptr<Object> FilteredMembers() const;
    Ptr<Object> Constants() const;
    const InterfaceDescription& Description() const { return m_description; }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    InterfaceDescription m_description;
    // Keeps the description's library alive while the object is held.
    std::shared_ptr<const TypeLibrary> m_library;
};

} // namespace ole
