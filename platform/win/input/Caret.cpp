#include "platform/win/input/Caret.h"

#include "platform/win/detail/WindowTable.h"
#include "platform/win/input/CaretState.h"

namespace win {

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height) {
    if (detail::LookupWindow(hwnd) == nullptr) {
        return FALSE;
    }
    return detail::CaretState::Instance().Create(hwnd, bitmap, width, height) ? TRUE : FALSE;
}

BOOL DestroyCaret() {
    return detail::CaretState::Instance().Destroy() ? TRUE : FALSE;
}

BOOL ShowCaret(HWND hwnd) {
    return detail::CaretState::Instance().Show(hwnd) ? TRUE : FALSE;
}

BOOL HideCaret(HWND hwnd) {
    return detail::CaretState::Instance().Hide(hwnd) ? TRUE : FALSE;
}

BOOL SetCaretPos(int x, int y) {
    return detail::CaretState::Instance().SetPos(POINT{x, y}) ? TRUE : FALSE;
}

BOOL GetCaretPos(POINT* pt) {
    const detail::CaretState& caret = detail::CaretState::Instance();
    if (pt == nullptr || !caret.Exists()) {
        return FALSE;
    }
    *pt = caret.Pos();
    return TRUE;
}

UINT GetCaretBlinkTime() {
    return detail::CaretState::Instance().BlinkTime();
}

BOOL SetCaretBlinkTime(UINT ms) {
    detail::CaretState::Instance().SetBlinkTime(ms);
    return TRUE;
}

} // namespace win
