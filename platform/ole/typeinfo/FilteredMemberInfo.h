#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/MemberDescription.h"

namespace ole {

// One property or method name: Name (default member), MemberId, InvokeKinds (summed), Skip,
// ReturnType (the value type), HelpString.
class FilteredMemberInfo : public Object {
public:
    explicit FilteredMemberInfo(FilteredMember member) : m_member(std::move(member)) {}

    std::string Name() const { return m_member.name; }
    int32_t MemberId() const { return m_member.memberId; }
    int32_t InvokeKinds() const { return m_member.invokeKinds; }
    bool Skip() const { return m_member.skip; }
    std::string HelpString() const { return m_member.helpString; }
    Ptr<Object> ReturnType() const;
    const FilteredMember& Description() const { return m_member; }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    FilteredMember m_member;
};

} // namespace ole
