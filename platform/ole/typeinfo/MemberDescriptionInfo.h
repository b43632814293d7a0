#pragma once

#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/typeinfo/MemberDescription.h"

namespace ole {

// One accessor or method: Name (default member), InvokeKind, MemberId, help, ReturnType.
class MemberDescriptionInfo : public Object {
public:
    explicit MemberDescriptionInfo(MemberDescription member) : m_member(std::move(member)) {}

    std::string Name() const { return m_member.name; }
    int32_t InvokeKind() const { return m_member.invokeKind; }
    int32_t MemberId() const { return m_member.memberId; }
    std::string HelpString() const { return m_member.helpString; }
    int32_t HelpContext() const { return m_member.helpContext; }
    std::string HelpFile() const { return m_member.helpFile; }
    int32_t ParamCount() const { return static_cast<int32_t>(m_member.params.size()); }
    Ptr<Object> ReturnType() const;
    const MemberDescription& Description() const { return m_member; }

    static const ClassInfo& Info();
    const ClassInfo& GetClassInfo() const override { return Info(); }

private:
    MemberDescription m_member;
};

} // namespace ole
