#include "propertylist/editors/ValueBoxEditor.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

constexpr win::DWORD kButtonStyle = 0x50000000; // WS_CHILD | WS_VISIBLE, a push button

} // namespace

// The button goes before the box.
ValueBoxEditor::~ValueBoxEditor() {
    UnhookWindow();
    DestroyButton();
}

void ValueBoxEditor::DestroyButton() {
    if (m_hWndButton && win::IsWindow(m_hWndButton))
        win::DestroyWindow(m_hWndButton);
    m_hWndButton = {};
}

void ValueBoxEditor::Reset(const ole::Ptr<CProperty>&,
                           const ole::Ptr<CEditorListener>& anEditorListener) {
    KeepListener(anEditorListener);
    win::SetWindowTextA(Window(), "");
}

void ValueBoxEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    using base::RoundHalfEvenToInt32;
    m_ButtonWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    WindowEditor::Move(nLeft, nTop, nWidth, nHeight);
    // Placed from the box's whole width, so that a fractional width cannot push it past the edge.
    win::SetWindowPos(m_hWndButton, {}, RoundHalfEvenToInt32(nWidth) - m_ButtonWidth, 0,
                      m_ButtonWidth, RoundHalfEvenToInt32(nHeight), win::SWP_NOZORDER);
}

void ValueBoxEditor::init(int32_t hParentWnd) {
    m_ButtonWidth = win::GetSystemMetrics(win::SM_CXVSCROLL);
    const auto parent = win::HWND::FromValue(static_cast<uint32_t>(hParentWnd));
    const win::HWND box =
        win::CreateWindowExA(0, "Static", "", m_valueStyle, 0, 0, 50, 200, parent, {}, {}, nullptr);
    if (!box)
        return;
    MakeInnerWindows(box);
    m_hWndButton = win::CreateWindowExA(0, "Button", "...", kButtonStyle, 0, 0, m_ButtonWidth, 200,
                                        box, {}, {}, nullptr);
    Attach(box, m_boxMessages);
}

win::LRESULT ValueBoxEditor::WindowMsgListener(win::HWND, win::UINT Msg, win::WPARAM wParam,
                                               win::LPARAM, bool&) {
    // The editor may be released by what the list does at the end of the edit.
    const ole::Ptr<ole::Object> self(this);
    switch (Msg) {
    case win::WM_DESTROY:
        UnhookWindow();
        break;
    case win::WM_KEYDOWN:
        EndOnKey(wParam);
        break;
    case win::WM_COMMAND:
        if (shared::HiWord(wParam) == 0)
            Browse();
        break;
    default:
        break;
    }
    return 0;
}

} // namespace attrgrid
