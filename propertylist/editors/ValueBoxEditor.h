#pragma once

#include "propertylist/editors/BuiltinEditor.h"

#include "shared/subclass/cSubclassListener.h"

#include "platform/win/WinTypes.h"

namespace attrgrid {

// The frame of the editors that show their value as text in a "Static" value box with a "..."
// button at its right end: init makes both windows (hidden) and hooks the box's messages; Enter
// and Escape on the box end the edit, and the button's click is the editor's browse step. The
// windows live until the editor goes or the grid window is destroyed, whichever comes first.
class ValueBoxEditor : public BuiltinEditor, public shared::cSubclassListener {
public:
    ~ValueBoxEditor() override;

    int32_t ScaleMode() override;
    bool GetVisible() override;
    void LetVisible(bool visible) override;
    int32_t hwnd() override;
    // 0 leaves the box's font; the button always keeps its own.
    void LethFont(int32_t hFont) override;
    // Keeps the listener and empties the box.
    void Reset(const ole::Ptr<CProperty>& aProperty,
               const ole::Ptr<CEditorListener>& anEditorListener) override;
    // Pixels; the button takes the box's right end, as wide as a vertical scroll bar is now.
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;
    void init(int32_t hParentWnd) override;

    win::LRESULT WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM wParam,
                                   win::LPARAM lParam, bool& bRouteToOriginal) override;

protected:
    // `valueStyle`: the box's window style; `takesKeys`: Enter and Escape end the edit.
    ValueBoxEditor(win::DWORD valueStyle, bool takesKeys)
        : m_valueStyle(valueStyle), m_takesKeys(takesKeys) {}

    win::HWND ValueWindow() const { return m_hWndValue; }
    // The button was clicked.
    virtual void Browse() = 0;

private:
    void UnhookWindows();

    win::DWORD m_valueStyle;
    bool m_takesKeys;
    win::HWND m_hWndValue;
    win::HWND m_hWndButton;
    int32_t m_ButtonWidth = 0;
    bool m_hooked = false;
};

} // namespace attrgrid
