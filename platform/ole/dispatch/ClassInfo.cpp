#include "platform/ole/dispatch/ClassInfo.h"

#include "platform/base/TextCase.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"

#include <algorithm>
#include <new>
#include <stdexcept>

namespace ole {

namespace {

constexpr uint16_t kPutKinds = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;

} // namespace

void ClassInfo::Finish() {
    m_byId = m_members;
    std::stable_sort(m_byId.begin(), m_byId.end(),
                     [](const MemberInfo& a, const MemberInfo& b) { return a.id < b.id; });
    for (const MemberInfo& member : m_members)
        m_idsByFoldedName.emplace(base::FoldCase(member.name), member.id);
}

DISPID ClassInfo::IdOfName(std::string_view name) const {
    const auto it = m_idsByFoldedName.find(base::FoldCase(name));
    return it == m_idsByFoldedName.end() ? DISPID_UNKNOWN : it->second;
}

std::span<const MemberInfo> ClassInfo::MembersWithId(DISPID id) const {
    const auto first = std::lower_bound(m_byId.begin(), m_byId.end(), id,
                                        [](const MemberInfo& m, DISPID v) { return m.id < v; });
    const auto last = std::upper_bound(first, m_byId.end(), id,
                                       [](DISPID v, const MemberInfo& m) { return v < m.id; });
    return {first, last};
}

std::string_view ClassInfo::NameOf(DISPID id) const {
    const std::span<const MemberInfo> members = MembersWithId(id);
    return members.empty() ? std::string_view() : std::string_view(members.front().name);
}

const PersistedProperty* ClassInfo::FindPersisted(DISPID id) const {
    for (const PersistedProperty& property : m_persisted) {
        if (property.id == id)
            return &property;
    }
    return nullptr;
}

bool ClassInfo::HasMember(DISPID id) const {
    return !MembersWithId(id).empty();
}

const MemberInfo* ClassInfo::FindMember(DISPID id, uint16_t kind) const {
    for (const MemberInfo& member : MembersWithId(id)) {
        if (member.kind == kind)
            return &member;
    }
    return nullptr;
}

const EventInfo* ClassInfo::FindEvent(DISPID id) const {
    for (const EventInfo& event : m_events) {
        if (event.id == id)
            return &event;
    }
    return nullptr;
}

const EventInfo* ClassInfo::FindEventAt(int32_t position) const {
    for (const EventInfo& event : m_events) {
        if (event.position == position)
            return &event;
    }
    return nullptr;
}

DISPID ClassInfo::EventIdOfName(std::string_view name) const {
    for (const EventInfo& event : m_events) {
        if (base::EqualsNoCase(event.name, name))
            return event.id;
    }
    return DISPID_UNKNOWN;
}

// A get or method call takes the method when asked for one, else the get. A put resolves by the
// accessors the member has and the value passed:
//
//   request  value   let  set   result
//   let      plain   yes  any   let
//   let      object  yes  any   let with the object's default value
//   let      object  no   yes   set
//   let      plain   no   yes   450
//   set      object  any  yes   set
//   set      plain   any  yes   13
//   set      any     yes  no    450 (13 for a plain value)
//   either   any     no   no    383 when there is a get, else 438
Variant ClassInfo::Invoke(Object& self, DISPID id, uint16_t kinds, std::span<Variant> args) const {
    const std::span<const MemberInfo> accessors = MembersWithId(id);
    if (accessors.empty())
        RaiseError(ERR_NO_MEMBER);
    auto find = [&](uint16_t kind) -> const MemberInfo* {
        for (const MemberInfo& member : accessors) {
            if (member.kind == kind)
                return &member;
        }
        return nullptr;
    };

    if ((kinds & kPutKinds) == 0) {
        const MemberInfo* member = nullptr;
        if (kinds & DISPATCH_METHOD)
            member = find(DISPATCH_METHOD);
        if (!member && (kinds & DISPATCH_PROPERTYGET))
            member = find(DISPATCH_PROPERTYGET);
        if (!member)
            RaiseError(ERR_NO_MEMBER);
        return CallMember(*member, self, args, false);
    }

    const MemberInfo* let = (kinds & DISPATCH_PROPERTYPUT) ? find(DISPATCH_PROPERTYPUT) : nullptr;
    const MemberInfo* set = find(DISPATCH_PROPERTYPUTREF);
    if (!let && !set && !find(DISPATCH_PROPERTYPUT)) {
        if (find(DISPATCH_PROPERTYGET))
            RaiseError(ERR_READ_ONLY);
        RaiseError(ERR_NO_MEMBER);
    }
    if (args.empty())
        RaiseError(ERR_ARGUMENT_COUNT);
    const Variant& value = args.back().Deref();
    const bool valueIsObject = value.IsObject();

    // A set is only reached with an object, and a let with an object passes its default value.
    if (set && valueIsObject && ((kinds & DISPATCH_PROPERTYPUTREF) || !let))
        return CallMember(*set, self, args, true);
    if (!let)
        RaiseError((kinds & DISPATCH_PROPERTYPUTREF) && !valueIsObject ? ERR_TYPE_MISMATCH
                                                                       : ERR_ARGUMENT_COUNT);
    if (valueIsObject && let->params.back().type.vt != VT_DISPATCH) {
        std::vector<Variant> reduced(args.begin(), args.end());
        reduced.back() = ReduceToValue(value);
        return CallMember(*let, self, reduced, true);
    }
    return CallMember(*let, self, args, true);
}

Variant ClassInfo::CallMember(const MemberInfo& member, Object& self, std::span<Variant> args,
                              bool isPut) const {
    const size_t wanted = member.params.size();
    const size_t given = args.size();
    if (given > wanted || (isPut && wanted == 0))
        RaiseError(ERR_ARGUMENT_COUNT);

    bool complete = given == wanted;
    for (const Variant& arg : args)
        complete = complete && !arg.IsMissing();

    try {
        if (complete)
            return member.call(self, args);

        // Fill missing optional arguments with the callee's defaults; a put's value stays last.
        std::vector<Variant> full(wanted, Variant::Missing());
        const size_t indexArgs = isPut ? given - 1 : given;
        std::copy_n(args.begin(), indexArgs, full.begin());
        if (isPut)
            full.back() = args.back();
        for (size_t i = 0; i < wanted; ++i) {
            if (!full[i].IsMissing())
                continue;
            const ParamInfo& param = member.params[i];
            if (!param.optional)
                RaiseError(ERR_ARGUMENT_COUNT);
            full[i] = param.defaultValue;
        }
        return member.call(self, full);
    } catch (const Error&) {
        throw;
    } catch (const std::exception&) {
        // Only automation errors cross the boundary.
        throw CurrentExceptionAsError();
    }
}

} // namespace ole
