#include "shared/subclass/SubclassListenerForwarder.h"

#include <cstdint>

namespace shared {

namespace {
// The automation interface passes every argument as a 32-bit Long.
ole::Variant Long(uint64_t bits) {
    return ole::Variant(static_cast<int32_t>(static_cast<uint32_t>(bits)));
}
} // namespace

SubclassListenerForwarder::SubclassListenerForwarder(ole::Ptr<ole::Object> target)
    : DispatchForwarder(std::move(target)) {}

win::LRESULT SubclassListenerForwarder::WindowMsgListener(win::HWND hwnd, win::UINT Msg,
                                                          win::WPARAM wParam, win::LPARAM lParam,
                                                          bool& bRouteToOriginal) {
    if (!Implements(DISPID_WindowMsgListener))
        return cSubclassListener::WindowMsgListener(hwnd, Msg, wParam, lParam, bRouteToOriginal);
    ole::Variant route(bRouteToOriginal);
    ole::Variant args[] = {Long(hwnd.Value()), Long(Msg), Long(wParam),
                           Long(static_cast<uint64_t>(lParam)), ole::Variant::ByRef(route)};
    const ole::Variant result = Call(DISPID_WindowMsgListener, args);
    bRouteToOriginal = route.AsBool();
    return result.AsI4();
}

} // namespace shared
