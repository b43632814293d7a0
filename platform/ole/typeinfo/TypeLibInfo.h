#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/TypeLibrary.h"

#include <memory>

namespace ole {

// A registered library: identity, Name, and FindType by case-insensitive name.
class TypeLibInfo : public Object {
public:
    explicit TypeLibInfo(std::shared_ptr<const TypeLibrary> library)
        : m_library(std::move(library)) {}

    std::string Name() const { return m_library->Name(); }
    std::string GuidString() const { return m_library->LibraryId().ToString(); }
    int16_t MajorVersion() const { return static_cast<int16_t>(m_library->MajorVersion()); }
    int16_t MinorVersion() const { return static_cast<int16_t>(m_library->MinorVersion()); }
    int32_t Lcid() const { return static_cast<int32_t>(m_library->Lcid()); }
    // Nothing when the library has no such type.
    Ptr<Object> FindType(std::string name) const;

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    std::shared_ptr<const TypeLibrary> m_library;
};

} // namespace ole
