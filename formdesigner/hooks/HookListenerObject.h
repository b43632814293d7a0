#pragma once

#include "formdesigner/hooks/IHookListener.h"

#include "platform/ole/object/Object.h"

namespace ole {
class ClassInfo;
}

namespace layoutdesk {

// The library's public class IHookListener (interface _IHookListener): its body does nothing and
// answers 0, so hosts can see the interface in the type library.
class HookListenerObject final : public ole::Object, public IHookListener {
public:
    HookListenerObject() = default;
    static ole::Ptr<HookListenerObject> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override;

    int32_t NotifyHookedEvent(int32_t nHookType, int32_t nCode, win::WPARAM wParam,
                              win::LPARAM lParam, bool& bNoCallNextHook) override;
};

} // namespace layoutdesk
