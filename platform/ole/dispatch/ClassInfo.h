#pragma once

#include "platform/ole/dispatch/MemberInfo.h"
#include "platform/ole/object/Guid.h"
#include "platform/ole/object/Object.h"

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ole {

// Interface attributes as type information reports them.
inline constexpr uint32_t TYPEFLAG_FHIDDEN = 0x10;
inline constexpr uint32_t TYPEFLAG_FDUAL = 0x40;
inline constexpr uint32_t TYPEFLAG_FNONEXTENSIBLE = 0x80;
inline constexpr uint32_t TYPEFLAG_FDISPATCHABLE = 0x1000;

// A class's one description of itself: identity, members and event interface. Dispatch by id and
// by name, type information and late binding all read it. Build one with ClassBuilder
// (ClassBuilder.h) in a function-local static beside the class.
class ClassInfo {
public:
    ClassInfo() = default;

    const std::string& Name() const { return m_name; }
    // The owning library ("Attrgrid", "VB", "StdTypes"); it becomes the source of errors that
    // leave an Invoke without one, and the prefix of ClassIdOf.
    const std::string& Library() const { return m_library; }
    const Guid& ClassId() const { return m_classId; }
    // The default interface: "_" + Name unless declared otherwise.
    const std::string& InterfaceName() const { return m_interfaceName; }
    const Guid& InterfaceId() const { return m_interfaceId; }
    uint32_t InterfaceFlags() const { return m_interfaceFlags; }
    const std::string& EventInterfaceName() const { return m_eventInterfaceName; }
    const Guid& EventInterfaceId() const { return m_eventInterfaceId; }
    const std::string& Help() const { return m_help; }

    std::span<const MemberInfo> Members() const { return m_members; }
    std::span<const EventInfo> Events() const { return m_events; }

    // The properties kept in a property bag, in declaration order (PersistedProperties.h).
    std::span<const PersistedProperty> Persisted() const { return m_persisted; }
    // The same in the orders of the stored form: given on init and read, stored on write (the
    // stored ones only). Declaration order unless the class states its own.
    std::span<const PersistedProperty> ReadOrder() const { return m_readOrder; }
    std::span<const PersistedProperty> WriteOrder() const { return m_writeOrder; }
    const PersistedProperty* FindPersisted(DISPID id) const;

    DISPID IdOfName(std::string_view name) const;
    // The name of the member `id`; empty when there is none.
    std::string_view NameOf(DISPID id) const;
    bool HasMember(DISPID id) const;
    // The accessor of `id` with exactly `kind`, or null.
    const MemberInfo* FindMember(DISPID id, uint16_t kind) const;

    const EventInfo* FindEvent(DISPID id) const;
    const EventInfo* FindEventAt(int32_t position) const;
    DISPID EventIdOfName(std::string_view name) const;

    // The dispatch rules over this table (see Object::Invoke).
    Variant Invoke(Object& self, DISPID id, uint16_t kinds, std::span<Variant> args) const;

private:
    template <class C>
    friend class ClassBuilder;
    void Finish();
    std::span<const MemberInfo> MembersWithId(DISPID id) const;
    Variant CallMember(const MemberInfo& member, Object& self, std::span<Variant> args,
                       bool isPut) const;

    std::string m_name;
    std::string m_library;
    Guid m_classId;
    std::string m_interfaceName;
    Guid m_interfaceId;
    uint32_t m_interfaceFlags = TYPEFLAG_FDISPATCHABLE;
    std::string m_eventInterfaceName;
    Guid m_eventInterfaceId;
    std::string m_help;
    // Declaration order, and a copy sorted by id (stable, so accessors keep their order).
    std::vector<MemberInfo> m_members;
    std::vector<MemberInfo> m_byId;
    // Keyed by the folded name: one fold per lookup instead of one per comparison.
    std::unordered_map<std::string, DISPID> m_idsByFoldedName;
    std::vector<EventInfo> m_events;
    std::vector<PersistedProperty> m_persisted;
    std::vector<PersistedProperty> m_readOrder;
    std::vector<PersistedProperty> m_writeOrder;
};

} // namespace ole

#include "platform/ole/dispatch/ClassBuilder.h"
