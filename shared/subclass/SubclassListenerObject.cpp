#include "shared/subclass/SubclassListenerObject.h"

#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"

namespace shared {

ole::Ptr<SubclassListenerObject> SubclassListenerObject::Create() {
    return ole::MakeObject<SubclassListenerObject>();
}

const ole::ClassInfo& SubclassListenerObject::Info() {
    static const ole::ClassInfo info =
        ole::ClassBuilder<SubclassListenerObject>("cSubclassListener")
            .Interface("_cSubclassListener", "{5B8E2F14-93C7-4D0A-B6E1-2A7C9D4F8E35}")
            .Method("WindowMsgListener", DISPID_WindowMsgListener,
                    &SubclassListenerObject::InvokeWindowMsgListener,
                    ole::Params({ole::Arg("hwnd"), ole::Arg("Msg"), ole::Arg("wParam"),
                                 ole::Arg("lParam"), ole::Arg("bRouteToOriginal")}))
            .Build();
    return info;
}

const ole::ClassInfo& SubclassListenerObject::GetClassInfo() const {
    return Info();
}

int32_t SubclassListenerObject::InvokeWindowMsgListener(int32_t, int32_t, int32_t, int32_t, bool&) {
    return 0;
}

} // namespace shared
