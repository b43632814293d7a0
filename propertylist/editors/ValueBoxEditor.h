#pragma once

#include "propertylist/editors/WindowEditor.h"

#include "platform/win/WinConstants.h"

#include <span>

namespace attrgrid {

// The frame of the editors that show their value as text in a "Static" value box with a "..."
// button at its right end: init makes both windows (hidden) and hooks the box's messages; Enter
// and Escape on the box end the edit, and the button's click is the editor's browse step.
class ValueBoxEditor : public WindowEditor {
public:
    ~ValueBoxEditor() override;

    // Keeps the listener and empties the box.
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    // The button takes the box's right end, as wide as a vertical scroll bar is now.
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;
    void init(int32_t hParentWnd) override;

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

protected:
    // What the box is hooked for: with Enter and Escape ending the edit, or without.
    static constexpr win::UINT kKeyMessages[] = {win::WM_KEYDOWN, win::WM_DESTROY, win::WM_COMMAND};
    static constexpr win::UINT kPlainMessages[] = {win::WM_DESTROY, win::WM_COMMAND};

    // `valueStyle`: the box's window style; `boxMessages`: what the box is hooked for.
    ValueBoxEditor(win::DWORD valueStyle, std::span<const win::UINT> boxMessages)
        : m_valueStyle(valueStyle), m_boxMessages(boxMessages) {}

    win::HWND Button() const { return m_hWndButton; }
    // Destroys the button when it is still a window; it always goes before the box's other
    // windows.
    void DestroyButton();
    int32_t ButtonWidth() const { return m_ButtonWidth; }
    // Makes the windows that stand inside the box before its button (none here).
    virtual void MakeInnerWindows(win::HWND) {}

    // The button was clicked.
    virtual void Browse() = 0;

private:
    win::DWORD m_valueStyle;
    std::span<const win::UINT> m_boxMessages;
    win::HWND m_hWndButton;
    int32_t m_ButtonWidth = 0;
};

} // namespace attrgrid
