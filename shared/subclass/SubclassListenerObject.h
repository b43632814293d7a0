#pragma once

#include "platform/ole/object/Object.h"
#include "shared/subclass/cSubclassListener.h"

#include <cstdint>

namespace ole {
class ClassInfo;
}

namespace shared {

// The library's own public class cSubclassListener (interface _cSubclassListener): its body does
// nothing and answers 0, so hosts can see the interface they implement.
class SubclassListenerObject final : public ole::Object, public cSubclassListener {
public:
    SubclassListenerObject() = default;
    static ole::Ptr<SubclassListenerObject> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override;

    // The automation form of WindowMsgListener, with its 32-bit arguments.
    int32_t InvokeWindowMsgListener(int32_t hwnd, int32_t Msg, int32_t wParam, int32_t lParam,
                                    bool& bRouteToOriginal);
};

} // namespace shared
