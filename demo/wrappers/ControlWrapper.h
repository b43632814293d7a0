#pragma once

#include "platform/forms/control/Control.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/object/Object.h"

#include <cstdint>
#include <string_view>

namespace sampledesk {

// What a wrapper shows when its control is clicked: a control of `typeName` says its `shownMember`
// followed by " Clicked"; list and combo boxes get their own name as their first item.
struct WrapperKind {
    std::string_view typeName;
    std::string_view shownMember;
    bool addsOwnName = false;
};

// Makes a designed control answer its click in run mode. One class serves the nine kinds of
// wrapped control, told apart by the table of kinds.
class ControlWrapper : public ole::Object {
public:
    // Null for a type that gets no wrapper (lines, shapes, anything unknown).
    static const WrapperKind* KindOf(std::string_view typeName);
    static ole::Ptr<ControlWrapper> Create(const WrapperKind& kind);
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ~ControlWrapper() override;

    ole::Ptr<forms::Control> GetControl() const { return m_control; }
    // 13 for a control of another type.
    void SetControl(ole::Ptr<forms::Control> control);

    explicit ControlWrapper(const WrapperKind& kind) : m_kind(kind) {}

private:
    void OnClick();
    void Disconnect();

    const WrapperKind& m_kind;
    ole::Ptr<forms::Control> m_control;
    uint32_t m_cookie = 0;
};

} // namespace sampledesk
