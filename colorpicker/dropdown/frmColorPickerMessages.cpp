// The drop-down's subclassing, through this library's own registry. The window's own
// WM_ACTIVATE closes a modeless drop-down that lost activation; the container's
// WM_CTLCOLORSCROLLBAR gives the scroll bar the system's colours. Each WM_DESTROY undoes its own
// window's hooks.

#include "colorpicker/dropdown/frmColorPicker.h"

#include "shared/subclass/SubclassModule.h"
#include "shared/util/LoWord.h"

#include "platform/win/Win.h"

#include <initializer_list>

namespace huechooser {

namespace {

// Names this library's subclassing registry.
struct HuechooserLibrary;

void Hook(win::HWND hwnd, shared::cSubclassListener& listener,
          std::initializer_list<win::UINT> messages) {
    frmColorPicker::Subclassing().SubclassWindow(hwnd, listener);
    for (const win::UINT msg : messages)
        frmColorPicker::Subclassing().HookMessage(hwnd, msg);
}

void Unhook(win::HWND hwnd, std::initializer_list<win::UINT> messages) {
    for (const win::UINT msg : messages)
        frmColorPicker::Subclassing().UnhookMessage(hwnd, msg);
    if (win::IsWindow(hwnd))
        frmColorPicker::Subclassing().UnsubclassWindow(hwnd);
}

constexpr std::initializer_list<win::UINT> kFormMessages{win::WM_ACTIVATE, win::WM_DESTROY};
constexpr std::initializer_list<win::UINT> kContainerMessages{win::WM_CTLCOLORSCROLLBAR,
                                                              win::WM_DESTROY};

} // namespace

shared::SubclassWnd& frmColorPicker::Subclassing() {
    return shared::SubclassModule<HuechooserLibrary>();
}

void frmColorPicker::HookForm() {
    Hook(m_hwnd, *this, kFormMessages);
}

void frmColorPicker::UnhookForm() {
    Unhook(m_hwnd, kFormMessages);
}

void frmColorPicker::HookContainer() {
    m_containerHwnd = m_Container->Window();
    Hook(m_containerHwnd, *this, kContainerMessages);
}

void frmColorPicker::UnhookContainer() {
    Unhook(m_containerHwnd, kContainerMessages);
}

win::LRESULT frmColorPicker::WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                               win::LPARAM lParam, bool& bRouteToOriginal) {
    ole::Ptr<frmColorPicker> self(this);
    if (hwnd == m_hwnd)
        return FormMessage(Msg, wParam, bRouteToOriginal);
    if (hwnd == m_containerHwnd)
        return ContainerMessage(Msg, wParam, lParam, bRouteToOriginal);
    return 0;
}

win::LRESULT frmColorPicker::FormMessage(win::UINT msg, win::WPARAM wParam, bool& route) {
    if (msg == win::WM_DESTROY) {
        UnhookForm();
    } else if (msg == win::WM_ACTIVATE && !m_modal && !m_colorDialogOpen &&
               shared::LoWord(static_cast<int64_t>(wParam)) == win::WA_INACTIVE && m_shown) {
        CloseForm();
        route = false;
    }
    return 0;
}

win::LRESULT frmColorPicker::ContainerMessage(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                                              bool& route) {
    if (msg == win::WM_DESTROY) {
        UnhookContainer();
        return 0;
    }
    if (msg == win::WM_CTLCOLORSCROLLBAR && m_VScrollBar &&
        win::HwndFromParam(lParam) == m_VScrollBar->Window()) {
        route = false;
        return win::DefWindowProcA(m_containerHwnd, msg, wParam, lParam);
    }
    return 0;
}

} // namespace huechooser
