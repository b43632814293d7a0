#include "formdesigner/hooks/HookListenerObject.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace layoutdesk {

ole::Ptr<HookListenerObject> HookListenerObject::Create() {
    return ole::MakeObject<HookListenerObject>();
}

const ole::ClassInfo& HookListenerObject::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<HookListenerObject>("IHookListener")
            .Library("Layoutdesk")
            .Interface("_IHookListener", "{A7A96982-A0D3-495D-81E5-D1A1B8085C9D}")
            .Method("NotifyHookedEvent", DISPID_NotifyHookedEvent,
                    &HookListenerObject::NotifyHookedEvent,
                    ole::Params({ole::Arg("nHookType"), ole::Arg("nCode"), ole::Arg("wParam"),
                                 ole::Arg("lParam"), ole::Arg("bNoCallNextHook")}))
            .Build();
    return info;
}

const ole::ClassInfo& HookListenerObject::GetClassInfo() const {
    return Info();
}

int32_t HookListenerObject::NotifyHookedEvent(int32_t, int32_t, win::WPARAM, win::LPARAM, bool&) {
    return 0;
}

} // namespace layoutdesk
