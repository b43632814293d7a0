#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Guid.h"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace ole {

// Kinds of type, as type information reports them.
inline constexpr int32_t TKIND_ENUM = 0;
inline constexpr int32_t TKIND_RECORD = 1;
inline constexpr int32_t TKIND_MODULE = 2;
inline constexpr int32_t TKIND_INTERFACE = 3;
inline constexpr int32_t TKIND_DISPATCH = 4;
inline constexpr int32_t TKIND_COCLASS = 5;
inline constexpr int32_t TKIND_ALIAS = 6;
inline constexpr int32_t TKIND_UNION = 7;

struct EnumConstant {
    std::string name; // may contain spaces ("Fixed Single")
    int32_t value = 0;
};

class TypeLibrary;

// One type of a library. Interfaces and coclasses read their members from a class's ClassInfo.
struct TypeDescription {
    std::string name;
    int32_t kind = TKIND_DISPATCH;
    Guid guid;
    uint32_t flags = 0;
    std::string help;
    const TypeLibrary* library = nullptr;
    // Dispatch interfaces (default or source) and coclasses.
    const ClassInfo* classInfo = nullptr;
    bool isEventInterface = false;
    // Coclasses.
    std::string defaultInterface;
    std::string sourceInterface;
    // Enumerations, in declaration order.
    std::vector<EnumConstant> constants;
    // Aliases.
    VARTYPE aliasOf = VT_EMPTY;
};

// A library's type information: identity and types, registered when the library loads.
class TypeLibrary {
public:
    TypeLibrary(std::string name, Guid guid, uint16_t major = 1, uint16_t minor = 0,
                uint32_t lcid = 0);
    TypeLibrary(const TypeLibrary&) = delete;
    TypeLibrary& operator=(const TypeLibrary&) = delete;

    const std::string& Name() const { return m_name; }
    const Guid& LibraryId() const { return m_guid; }
    uint16_t MajorVersion() const { return m_major; }
    uint16_t MinorVersion() const { return m_minor; }
    uint32_t Lcid() const { return m_lcid; }
    const std::string& HelpFile() const { return m_helpFile; }
    void SetHelpFile(std::string helpFile) { m_helpFile = std::move(helpFile); }

    // The class's coclass, its default dispatch interface and, when it declares events, its
    // source interface.
    void AddClass(const ClassInfo& info);
    void AddEnum(std::string name, std::vector<EnumConstant> constants, std::string_view guid = {});
    void AddAlias(std::string name, VARTYPE vt);

    // Case-insensitive; null when absent.
    const TypeDescription* FindType(std::string_view name) const;
    // The coclass of `info`, and its default dispatch interface (which may share its name).
    const TypeDescription* FindClass(const ClassInfo& info) const;
    const TypeDescription* FindDefaultInterface(const ClassInfo& info) const;
    const std::deque<TypeDescription>& Types() const { return m_types; }

private:
    TypeDescription& Add(TypeDescription type);

    std::string m_name;
    Guid m_guid;
    uint16_t m_major;
    uint16_t m_minor;
    uint32_t m_lcid;
    std::string m_helpFile;
    // A deque: descriptions are referred to by address.
    std::deque<TypeDescription> m_types;
};

} // namespace ole
