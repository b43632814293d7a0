#pragma once

#include "propertylist/editors/WindowEditor.h"

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
    // `valueStyle`: the box's window style; `takesKeys`: Enter and Escape end the edit.
    ValueBoxEditor(win::DWORD valueStyle, bool takesKeys)
        : m_valueStyle(valueStyle), m_takesKeys(takesKeys) {}

    // The button was clicked.
    virtual void Browse() = 0;

private:
    win::DWORD m_valueStyle;
    bool m_takesKeys;
    win::HWND m_hWndButton;
    int32_t m_ButtonWidth = 0;
};

} // namespace attrgrid
