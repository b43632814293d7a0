#include "platform/forms/control/MousePointer.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/picture/Picture.h"
#include "platform/win/WinConstants.h"
#include "platform/win/input/Cursors.h"

#include <array>
#include <unordered_map>

namespace forms {

namespace {

// Index = MousePointer 1..15; 4 (icon) shows the arrow.
constexpr std::array<int, 16> kStockCursors = {
    0,
    win::IDC_ARROW,
    win::IDC_CROSS,
    win::IDC_IBEAM,
    win::IDC_ARROW,
    win::IDC_SIZEALL,
    win::IDC_SIZENESW,
    win::IDC_SIZENS,
    win::IDC_SIZENWSE,
    win::IDC_SIZEWE,
    win::IDC_UPARROW,
    win::IDC_WAIT,
    win::IDC_NO,
    win::IDC_APPSTARTING,
    win::IDC_HELP,
    win::IDC_SIZEALL,
};

} // namespace

bool IsValidMousePointer(int value) {
    return (value >= 0 && value <= 15) || value == kMousePointerCustom;
}

int16_t CheckedMousePointer(int value) {
    if (!IsValidMousePointer(value))
        ole::RaiseError(ole::ERR_INVALID_PROPERTY_VALUE);
    return static_cast<int16_t>(value);
}

win::HCURSOR CursorForMousePointer(int16_t pointer, const ole::Picture* mouseIcon) {
    if (pointer == kMousePointerCustom) {
        if (!mouseIcon || mouseIcon->IsEmpty())
            return {};
        // One cursor per picture handle, made once: the backend is told the handle value.
        static std::unordered_map<int32_t, win::HCURSOR> cursors;
        const int32_t handle = mouseIcon->Handle();
        auto [it, added] = cursors.try_emplace(handle);
        if (added)
            it->second = win::detail::CreateCustomCursor(handle);
        return it->second;
    }
    if (pointer <= 0 || pointer > 15)
        return {};
    return win::LoadCursorA({}, kStockCursors[static_cast<size_t>(pointer)]);
}

} // namespace forms
