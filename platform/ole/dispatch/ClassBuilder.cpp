#include "platform/ole/dispatch/ClassBuilder.h"

#include "platform/base/TextCase.h"

#include <map>
#include <stdexcept>

namespace ole {

MemberOptions operator|(MemberOptions a, MemberOptions b) {
    a.flags |= b.flags;
    if (!b.help.empty()) {
        a.help = std::move(b.help);
        a.helpContext = b.helpContext;
    }
    if (!b.typeName.empty())
        a.typeName = std::move(b.typeName);
    if (!b.params.empty())
        a.params = std::move(b.params);
    if (b.persist.defaultOf)
        a.persist = std::move(b.persist);
    return a;
}

MemberOptions Flags(uint32_t flags) {
    MemberOptions options;
    options.flags = flags;
    return options;
}

MemberOptions Hidden() {
    return Flags(FUNCFLAG_FHIDDEN);
}

MemberOptions Restricted() {
    return Flags(FUNCFLAG_FRESTRICTED);
}

MemberOptions Help(std::string help, int32_t helpContext) {
    MemberOptions options;
    options.help = std::move(help);
    options.helpContext = helpContext;
    return options;
}

MemberOptions Typed(std::string typeName) {
    MemberOptions options;
    options.typeName = std::move(typeName);
    return options;
}

MemberOptions Params(std::vector<ParamDecl> params) {
    MemberOptions options;
    options.params = std::move(params);
    return options;
}

MemberOptions Persisted(Variant defaultValue) {
    return Persisted(std::string(), std::move(defaultValue));
}

MemberOptions Persisted(std::string key, Variant defaultValue) {
    MemberOptions options = PersistedWith(
        PersistedProperty::DefaultOf([value = std::move(defaultValue)](Object&) { return value; }));
    options.persist.key = std::move(key);
    return options;
}

MemberOptions PersistedWith(PersistedProperty::DefaultOf defaultOf) {
    MemberOptions options;
    options.persist = PersistedProperty{DISPID_UNKNOWN, {}, std::move(defaultOf), true};
    return options;
}

MemberOptions InitValue(Variant value) {
    MemberOptions options = Persisted(std::move(value));
    options.persist.stored = false;
    return options;
}

namespace detail {

bool ApplyOptions(MemberInfo& member, MemberOptions& options, bool isPut) {
    member.flags = options.flags;
    member.help = options.help;
    member.helpContext = options.helpContext;
    for (size_t i = 0; i < member.params.size(); ++i) {
        ParamInfo& param = member.params[i];
        const bool isValue = isPut && i + 1 == member.params.size();
        if (i < options.params.size() && !isValue) {
            ParamDecl& decl = options.params[i];
            param.name = decl.name;
            param.optional = decl.optional;
            param.defaultValue = decl.defaultValue;
            if (!decl.typeName.empty())
                param.type.name = decl.typeName;
        } else {
            param.name = isValue ? "newValue" : "p" + std::to_string(i + 1);
        }
    }
    if (!options.typeName.empty()) {
        if (isPut && !member.params.empty())
            member.params.back().type.name = options.typeName;
        else
            member.returnType.name = options.typeName;
    }
    const size_t named = member.params.size() - (isPut && !member.params.empty() ? 1 : 0);
    return options.params.size() <= named;
}

namespace {

const MemberInfo* Accessor(std::span<const MemberInfo> members, DISPID id, uint16_t kinds) {
    for (const MemberInfo& member : members) {
        if (member.id == id && (member.kind & kinds) != 0)
            return &member;
    }
    return nullptr;
}

std::string PersistFault(std::span<const MemberInfo> members, const PersistedProperty& persisted) {
    const MemberInfo* put =
        Accessor(members, persisted.id, DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    if (!put || put->params.size() != 1)
        return "persisted " + persisted.key + " has no put taking only the value";
    const MemberInfo* get = Accessor(members, persisted.id, DISPATCH_PROPERTYGET);
    if (persisted.stored && (!get || !get->params.empty()))
        return "persisted " + persisted.key + " has no get without parameters";
    return {};
}

const PersistedProperty* FindIn(std::span<const PersistedProperty> persisted, DISPID id) {
    for (const PersistedProperty& property : persisted) {
        if (property.id == id)
            return &property;
    }
    return nullptr;
}

// An order names each property it covers once and nothing else.
std::string OrderFault(std::span<const PersistedProperty> persisted, std::span<const DISPID> order,
                       const char* name, bool storedOnly) {
    if (order.empty())
        return {};
    std::map<DISPID, int> named;
    for (const DISPID id : order) {
        const PersistedProperty* property = FindIn(persisted, id);
        if (!property || (storedOnly && !property->stored))
            return std::string(name) + " names id " + std::to_string(id) + ", which it cannot hold";
        if (++named[id] > 1)
            return std::string(name) + " names " + property->key + " twice";
    }
    for (const PersistedProperty& property : persisted) {
        if ((property.stored || !storedOnly) && !named.contains(property.id))
            return std::string(name) + " misses " + property.key;
    }
    return {};
}

std::string FirstFault(std::span<const MemberInfo> members,
                       std::span<const PersistedProperty> persisted,
                       std::span<const DISPID> readOrder, std::span<const DISPID> writeOrder,
                       std::span<const std::string> faults) {
    if (!faults.empty())
        return faults.front();
    std::map<DISPID, std::string> nameOfId;
    std::map<std::string, DISPID> idOfName;
    std::map<std::pair<DISPID, uint16_t>, std::string> accessors;
    for (const MemberInfo& member : members) {
        const auto [name, newId] = nameOfId.emplace(member.id, member.name);
        if (!newId && name->second != member.name)
            return "id " + std::to_string(member.id) + " is named both " + name->second + " and " +
                   member.name;
        const auto [id, newName] = idOfName.emplace(base::FoldCase(member.name), member.id);
        if (!newName && id->second != member.id)
            return member.name + " is declared with two ids";
        if (!accessors.emplace(std::pair(member.id, member.kind), member.name).second)
            return member.name + " is declared twice with the same kind";
    }
    std::map<DISPID, int> persistedIds;
    std::map<std::string, int> storedKeys;
    for (const PersistedProperty& property : persisted) {
        if (++persistedIds[property.id] > 1)
            return "id " + std::to_string(property.id) + " is persisted twice";
        if (property.stored && ++storedKeys[base::FoldCase(property.key)] > 1)
            return "key " + property.key + " is persisted twice";
        if (std::string fault = PersistFault(members, property); !fault.empty())
            return fault;
    }
    if (std::string fault = OrderFault(persisted, readOrder, "read order", false); !fault.empty())
        return fault;
    return OrderFault(persisted, writeOrder, "write order", true);
}

} // namespace

void CheckTable(const std::string& className, std::span<const MemberInfo> members,
                std::span<const PersistedProperty> persisted, std::span<const DISPID> readOrder,
                std::span<const DISPID> writeOrder, std::span<const std::string> faults) {
    const std::string fault = FirstFault(members, persisted, readOrder, writeOrder, faults);
    if (!fault.empty())
        throw std::logic_error("class table of " + className + ": " + fault);
}

std::vector<PersistedProperty> InOrder(std::span<const PersistedProperty> persisted,
                                       std::span<const DISPID> order, bool storedOnly) {
    std::vector<PersistedProperty> ordered;
    if (order.empty()) {
        for (const PersistedProperty& property : persisted) {
            if (property.stored || !storedOnly)
                ordered.push_back(property);
        }
        return ordered;
    }
    for (const DISPID id : order)
        ordered.push_back(*FindIn(persisted, id));
    return ordered;
}

} // namespace detail
} // namespace ole
