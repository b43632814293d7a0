#include "platform/win/controls/common/ControlColors.h"

#include "platform/win/gdi/detail/GdiObjects.h"
#include "platform/win/window/Messages.h"
#include "platform/win/window/Tree.h"

namespace win::controls {

bool IsBrush(HBRUSH brush) {
    const gdi::GdiObject* object = gdi::GdiObjects::Find(HGDIOBJ(brush));
    return object && object->Kind() == gdi::GdiObjectKind::Brush;
}

HBRUSH ControlColorBrush(HWND control, HDC hdc, UINT msg) {
    return ControlColorBrushFrom(GetParent(control), control, hdc, msg);
}

HBRUSH ControlColorBrushFrom(HWND asked, HWND control, HDC hdc, UINT msg) {
    const WPARAM dc = static_cast<WPARAM>(hdc.Value());
    if (asked) {
        const HBRUSH answer = HbrushFromParam(SendMessageA(asked, msg, dc, HandleToParam(control)));
        if (IsBrush(answer)) {
            return answer;
        }
    }
    return HbrushFromParam(DefWindowProcA(control, msg, dc, HandleToParam(control)));
}

} // namespace win::controls
